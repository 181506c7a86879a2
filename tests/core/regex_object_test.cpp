#include "text/regex_object.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "call_log.h"
#include "counting_com_library.h"

namespace hotlist {
namespace {

using ::testing::ElementsAre;

struct ScriptedMatch {
    std::string value;
    std::vector<std::string> groups;
};

class FakeSubMatches : public RegExpSubMatches {
  public:
    explicit FakeSubMatches(std::vector<std::string> groups) : groups_(std::move(groups)) {}
    int Count() override { return static_cast<int>(groups_.size()); }
    Text Item(int index0) override {
        if (index0 < 0 || index0 >= Count()) {
            return {};
        }
        return Text(groups_[static_cast<std::size_t>(index0)]);
    }

  private:
    std::vector<std::string> groups_;
};

class FakeMatch : public RegExpMatch {
  public:
    explicit FakeMatch(ScriptedMatch match) : match_(std::move(match)) {}
    Text Value() override { return Text(match_.value); }
    std::unique_ptr<RegExpSubMatches> SubMatches() override {
        return std::make_unique<FakeSubMatches>(match_.groups);
    }

  private:
    ScriptedMatch match_;
};

class FakeCollection : public RegExpMatchCollection {
  public:
    FakeCollection(std::vector<ScriptedMatch> matches, CallLog& log)
        : matches_(std::move(matches)), log_(log) {}
    ~FakeCollection() override { log_.emplace_back("release collection"); }
    FakeCollection(const FakeCollection&) = delete;
    FakeCollection& operator=(const FakeCollection&) = delete;

    int Count() override { return static_cast<int>(matches_.size()); }
    std::unique_ptr<RegExpMatch> Item(int index0) override {
        if (index0 < 0 || index0 >= Count()) {
            return nullptr;
        }
        return std::make_unique<FakeMatch>(matches_[static_cast<std::size_t>(index0)]);
    }

  private:
    std::vector<ScriptedMatch> matches_;
    CallLog& log_;
};

// What the next platform object's Execute gives: no value means the pattern is rejected.
using ExecuteScript = std::optional<std::vector<ScriptedMatch>>;

class FakeRegExp : public RegExpObject {
  public:
    FakeRegExp(int serial, ExecuteScript script, CallLog& log)
        : serial_(serial), script_(std::move(script)), log_(log) {}
    ~FakeRegExp() override { log_.push_back("release object " + std::to_string(serial_)); }
    FakeRegExp(const FakeRegExp&) = delete;
    FakeRegExp& operator=(const FakeRegExp&) = delete;

    bool putIgnoreCase(bool value) override { return record("IgnoreCase", value); }
    bool putMultiline(bool value) override { return record("Multiline", value); }
    bool putGlobal(bool value) override { return record("Global", value); }
    bool putPattern(const Text& pattern) override {
        pattern_ = pattern;
        log_.push_back("Pattern=" + std::string(pattern.view()));
        return true;
    }
    Text getPattern() override { return pattern_; }
    std::unique_ptr<RegExpMatchCollection> Execute(const Text& subject) override {
        log_.push_back("Execute=" + std::string(subject.view()));
        if (!script_) {
            return nullptr;
        }
        return std::make_unique<FakeCollection>(*script_, log_);
    }
    Text Replace(const Text& subject, const Text& replacement) override {
        return Text("Replace(" + std::string(subject.view()) + "," +
                    std::string(replacement.view()) + ")");
    }

  private:
    bool record(const char* name, bool value) {
        log_.push_back(std::string(name) + "=" + (value ? "1" : "0"));
        return true;
    }

    int serial_;
    ExecuteScript script_;
    Text pattern_;
    CallLog& log_;
};

class FakeFactory : public RegExpFactory {
  public:
    explicit FakeFactory(CallLog& log) : log_(log) {}
    std::unique_ptr<RegExpObject> create() override {
        ++created_;
        log_.push_back("create object " + std::to_string(created_));
        if (!available_) {
            return nullptr;
        }
        return std::make_unique<FakeRegExp>(created_, script_, log_);
    }

    void scriptExecute(ExecuteScript script) { script_ = std::move(script); }
    void makeUnavailable() { available_ = false; }

  private:
    CallLog& log_;
    ExecuteScript script_ = std::vector<ScriptedMatch>{};
    bool available_ = true;
    int created_ = 0;
};

// How many CoInitialize calls are not yet balanced by a CoUninitialize.
int comDepth(const CountingComLibrary& com) {
    return com.initializeCount - com.uninitializeCount;
}

class RegexObjectTest : public ::testing::Test {
  protected:
    CallLog log;
    FakeFactory factory{log};
    CountingComLibrary com{&log};
};

const std::vector<ScriptedMatch> kTwoMatches = {
    {"<a>one</a>", {"/n/1", "one", "10"}},
    {"<a>two</a>", {"", "two", "20"}},
};

TEST_F(RegexObjectTest, WritesSettingsThenPatternThenExecutesInOrder) {
    struct Case {
        const char* name;
        bool useDefaults;
        bool caseSensitive;
        bool multiline;
        bool global;
        std::vector<std::string> expectedWrites;
    };
    const std::vector<Case> cases = {
        {"omitted options", true, false, false, false, {"IgnoreCase=1", "Multiline=1", "Global=1"}},
        {"collection run", false, false, false, true, {"IgnoreCase=1", "Multiline=0", "Global=1"}},
        {"all inverted", false, true, false, false, {"IgnoreCase=0", "Multiline=0", "Global=0"}},
        {"case-sensitive multi-line",
         false,
         true,
         true,
         true,
         {"IgnoreCase=0", "Multiline=1", "Global=1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CallLog localLog;
        FakeFactory localFactory(localLog);
        CountingComLibrary localCom(&localLog);
        {
            RegexObject regex(localFactory, localCom);
            const bool ok = c.useDefaults ? regex.create("a(b)", "subject")
                                          : regex.create("a(b)", "subject", c.caseSensitive,
                                                         c.multiline, c.global);
            EXPECT_TRUE(ok);
        }
        std::vector<std::string> expected = {"CoInitialize()", "create object 1"};
        expected.insert(expected.end(), c.expectedWrites.begin(), c.expectedWrites.end());
        expected.insert(expected.end(), {"Pattern=a(b)", "Execute=subject", "release object 1",
                                         "release collection", "CoUninitialize()"});
        EXPECT_EQ(localLog, expected);
    }
}

TEST_F(RegexObjectTest, QuoteMarkerBecomesADoubleQuoteOnlyWhenAsked) {
    // "#引号" in code page 936.
    const std::string marker = "#\xd2\xfd\xba\xc5";
    struct Case {
        std::string pattern;
        bool replaceMarker;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"href=" + marker + "(.*?)" + marker, true, "href=\"(.*?)\""},
        {"href=" + marker + "(.*?)" + marker, false, "href=" + marker + "(.*?)" + marker},
        {R"(<a href="x">)", true, R"(<a href="x">)"},
        {"#\xd2\xfd", true, "#\xd2\xfd"},
        {marker + marker, true, "\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        RegexObject regex(factory, com);
        regex.create(Text(c.pattern), "s", false, true, true, c.replaceMarker);
        EXPECT_EQ(regex.pattern(), Text(c.expected));
    }
}

TEST_F(RegexObjectTest, FailureToCreateOrToExecuteReadsAsEmpty) {
    struct Case {
        const char* name;
        bool objectAvailable;
    };
    for (const Case c : {Case{"no platform object", false}, Case{"pattern rejected", true}}) {
        SCOPED_TRACE(c.name);
        CallLog localLog;
        FakeFactory localFactory(localLog);
        if (!c.objectAvailable) {
            localFactory.makeUnavailable();
        }
        localFactory.scriptExecute(std::nullopt);
        RegexObject regex(localFactory, com);
        EXPECT_FALSE(regex.create("(", "subject"));
        EXPECT_EQ(regex.matchCount(), 0);
        EXPECT_EQ(regex.subMatchCount(), 0);
        EXPECT_EQ(regex.matchText(1), Text());
        EXPECT_EQ(regex.subMatchText(1, 1), Text());
        EXPECT_EQ(regex.pattern(), c.objectAvailable ? Text("(") : Text());
    }
}

TEST_F(RegexObjectTest, ReadsMatchesAndGroupsByOneBasedNumber) {
    factory.scriptExecute(kTwoMatches);
    RegexObject regex(factory, com);
    ASSERT_TRUE(regex.create("p", "s"));
    EXPECT_EQ(regex.matchCount(), 2);
    EXPECT_EQ(regex.subMatchCount(), 3);
    struct Case {
        int match;
        int group;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {1, 1, "/n/1"}, {1, 2, "one"}, {1, 3, "10"}, {2, 1, ""}, {2, 3, "20"},
        {0, 1, ""},     {3, 1, ""},    {1, 0, ""},   {1, 4, ""}, {-1, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.match << "," << c.group);
        EXPECT_EQ(regex.subMatchText(c.match, c.group), Text(c.expected));
    }
    EXPECT_EQ(regex.matchText(1), Text("<a>one</a>"));
    EXPECT_EQ(regex.matchText(2), Text("<a>two</a>"));
    EXPECT_EQ(regex.matchText(0), Text());
    EXPECT_EQ(regex.matchText(3), Text());
}

TEST_F(RegexObjectTest, EmptyCollectionIsSuccessWithNothingToRead) {
    RegexObject regex(factory, com);
    EXPECT_TRUE(regex.create("p", ""));
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.subMatchCount(), 0);
    EXPECT_EQ(regex.matchText(1), Text());
}

TEST_F(RegexObjectTest, ReadsBeforeCreateAreEmpty) {
    RegexObject regex(factory, com);
    EXPECT_EQ(regex.pattern(), Text());
    EXPECT_EQ(regex.replace("x"), Text());
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.subMatchCount(), 0);
    EXPECT_EQ(regex.matchText(1), Text());
    EXPECT_EQ(regex.subMatchText(1, 1), Text());
    EXPECT_THAT(log, ElementsAre("CoInitialize()"));
}

TEST_F(RegexObjectTest, ReplaceRunsOverTheStoredSubject) {
    RegexObject regex(factory, com);
    regex.create("p", "the subject");
    EXPECT_EQ(regex.replace("$1"), Text("Replace(the subject,$1)"));
}

TEST_F(RegexObjectTest, SecondCreateReplacesObjectCollectionAndSettings) {
    factory.scriptExecute(kTwoMatches);
    RegexObject regex(factory, com);
    regex.create("first", "one", true, false, false);
    factory.scriptExecute(std::vector<ScriptedMatch>{{"x", {}}});
    log.clear();
    EXPECT_TRUE(regex.create("second", "two"));
    EXPECT_THAT(log, ElementsAre("release object 1", "release collection", "create object 2",
                                 "IgnoreCase=1", "Multiline=1", "Global=1", "Pattern=second",
                                 "Execute=two"));
    EXPECT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.subMatchCount(), 0);
    EXPECT_EQ(regex.replace("r"), Text("Replace(two,r)"));
}

TEST_F(RegexObjectTest, NestedInstancesBalanceComAndReleaseBeforeUninitialising) {
    {
        RegexObject outer(factory, com);
        outer.create("p", "s");
        EXPECT_EQ(comDepth(com), 1);
        {
            RegexObject inner(factory, com);
            EXPECT_EQ(comDepth(com), 2);
            inner.create("q", "t");
        }
        EXPECT_EQ(comDepth(com), 1);
        EXPECT_EQ(outer.pattern(), Text("p"));
    }
    EXPECT_EQ(comDepth(com), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "CoInitialize()"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "CoUninitialize()"), 2);
    // Each instance lets go of its platform objects before its CoUninitialize.
    EXPECT_THAT(std::vector<std::string>(log.end() - 3, log.end()),
                ElementsAre("release object 1", "release collection", "CoUninitialize()"));
}

}  // namespace
}  // namespace hotlist
