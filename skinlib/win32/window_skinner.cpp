#include "win32/window_skinner.h"

#include <commctrl.h>

#include <array>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace hotlist::skinlib {
namespace {

using skinformat::ColourRole;
using skinformat::FontRole;
using skinformat::Metric;
using skinformat::Skin;

struct GdiDeleter {
    void operator()(void* object) const noexcept { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;
using UniquePen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiDeleter>;

constexpr UINT_PTR kSubclassId = 0x534B494E;  // "SKIN"

// The colours, brushes and fonts of the skin in force; replaced whole by the next attach.
struct Resources {
    std::array<COLORREF, skinformat::kColourRoleCount> colours{};
    UniqueBrush windowBrush;
    std::array<UniqueFont, skinformat::kFontRoleCount> fonts;
    int buttonRadius = 0;
    int borderWidth = 1;

    [[nodiscard]] COLORREF colour(ColourRole role) const {
        return colours[static_cast<std::size_t>(role)];
    }
    [[nodiscard]] HFONT font(FontRole role) const {
        const HFONT own = fonts[static_cast<std::size_t>(role)].get();
        return own != nullptr ? own : fonts[static_cast<std::size_t>(FontRole::window)].get();
    }
};

std::unique_ptr<Resources> current;

// Roles the skin leaves out take the system's colour for the same part.
COLORREF systemColourFor(ColourRole role) {
    switch (role) {
        case ColourRole::windowBackground:
        case ColourRole::buttonFace:
        case ColourRole::buttonHover:
        case ColourRole::headerBackground:
        case ColourRole::statusBackground:
            return GetSysColor(COLOR_BTNFACE);
        case ColourRole::buttonPressed:
            return GetSysColor(COLOR_BTNSHADOW);
        case ColourRole::listBackground:
        case ColourRole::listAlternate:
            return GetSysColor(COLOR_WINDOW);
        case ColourRole::selectionBackground:
            return GetSysColor(COLOR_HIGHLIGHT);
        case ColourRole::selectionText:
            return GetSysColor(COLOR_HIGHLIGHTTEXT);
        case ColourRole::buttonBorder:
        case ColourRole::frame:
            return GetSysColor(COLOR_BTNSHADOW);
        default:
            return GetSysColor(COLOR_BTNTEXT);
    }
}

UniqueFont makeFont(const skinformat::FontSpec& spec) {
    std::wstring family(spec.family.size() + 1, L'\0');
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, spec.family.data(), static_cast<int>(spec.family.size()),
                            family.data(), static_cast<int>(family.size()));
    family.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    const HDC screen = GetDC(nullptr);
    const int height = -MulDiv(spec.pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return UniqueFont(CreateFontW(height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  CLEARTYPE_QUALITY, DEFAULT_PITCH, family.c_str()));
}

std::unique_ptr<Resources> makeResources(const Skin& skin) {
    auto made = std::make_unique<Resources>();
    for (std::size_t role = 0; role < skinformat::kColourRoleCount; ++role) {
        const auto& rgb = skin.colours[role];
        made->colours[role] = rgb ? RGB(rgb->red, rgb->green, rgb->blue)
                                  : systemColourFor(static_cast<ColourRole>(role));
    }
    made->windowBrush.reset(CreateSolidBrush(made->colour(ColourRole::windowBackground)));
    for (std::size_t role = 0; role < skinformat::kFontRoleCount; ++role) {
        if (skin.fonts[role]) {
            made->fonts[role] = makeFont(*skin.fonts[role]);
        }
    }
    made->buttonRadius = skin.metric(Metric::buttonRadius).value_or(0);
    made->borderWidth = skin.metric(Metric::borderWidth).value_or(1);
    return made;
}

std::wstring className(HWND window) {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return {name.data(), static_cast<std::size_t>(length > 0 ? length : 0)};
}

bool isPushButton(HWND window) {
    if (className(window) != WC_BUTTONW) {
        return false;
    }
    const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

void drawButton(const DRAWITEMSTRUCT& item) {
    const Resources& skin = *current;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const UniqueBrush face(CreateSolidBrush(
        skin.colour(pressed ? ColourRole::buttonPressed : ColourRole::buttonFace)));
    const UniquePen edge(
        CreatePen(PS_SOLID, skin.borderWidth, skin.colour(ColourRole::buttonBorder)));
    const HGDIOBJ oldBrush = SelectObject(item.hDC, face.get());
    const HGDIOBJ oldPen = SelectObject(item.hDC, edge.get());
    const RECT& box = item.rcItem;
    RoundRect(item.hDC, box.left, box.top, box.right, box.bottom, skin.buttonRadius * 2,
              skin.buttonRadius * 2);

    std::array<wchar_t, 256> caption{};
    GetWindowTextW(item.hwndItem, caption.data(), static_cast<int>(caption.size()));
    const HGDIOBJ oldFont = SelectObject(item.hDC, skin.font(FontRole::button));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, (item.itemState & ODS_DISABLED) != 0
                               ? GetSysColor(COLOR_GRAYTEXT)
                               : skin.colour(ColourRole::buttonText));
    RECT textBox = box;
    if (pressed) {
        OffsetRect(&textBox, 1, 1);
    }
    DrawTextW(item.hDC, caption.data(), -1, &textBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = box;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
    SelectObject(item.hDC, oldFont);
    SelectObject(item.hDC, oldPen);
    SelectObject(item.hDC, oldBrush);
}

// Rows alternate between the list colours; the selected row of the focused list takes the
// selection colours instead of the system's.
LRESULT listItemColours(NMLVCUSTOMDRAW& draw) {
    const Resources& skin = *current;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) {
        return CDRF_DODEFAULT;
    }
    const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
    const bool selected = ListView_GetItemState(draw.nmcd.hdr.hwndFrom, row, LVIS_SELECTED) != 0;
    if (selected && GetFocus() == draw.nmcd.hdr.hwndFrom) {
        draw.clrText = skin.colour(ColourRole::selectionText);
        draw.clrTextBk = skin.colour(ColourRole::selectionBackground);
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
    } else {
        draw.clrText = skin.colour(ColourRole::listText);
        draw.clrTextBk =
            skin.colour(row % 2 == 0 ? ColourRole::listBackground : ColourRole::listAlternate);
    }
    return CDRF_DODEFAULT;
}

LRESULT headerItem(NMCUSTOMDRAW& draw) {
    const Resources& skin = *current;
    if (draw.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) {
        return CDRF_DODEFAULT;
    }
    const UniqueBrush fill(CreateSolidBrush(skin.colour(ColourRole::headerBackground)));
    FillRect(draw.hdc, &draw.rc, fill.get());
    const UniquePen edge(CreatePen(PS_SOLID, 1, skin.colour(ColourRole::frame)));
    const HGDIOBJ oldPen = SelectObject(draw.hdc, edge.get());
    MoveToEx(draw.hdc, draw.rc.right - 1, draw.rc.top, nullptr);
    LineTo(draw.hdc, draw.rc.right - 1, draw.rc.bottom);
    MoveToEx(draw.hdc, draw.rc.left, draw.rc.bottom - 1, nullptr);
    LineTo(draw.hdc, draw.rc.right, draw.rc.bottom - 1);

    std::array<wchar_t, 256> caption{};
    HDITEMW header{};
    header.mask = HDI_TEXT;
    header.pszText = caption.data();
    header.cchTextMax = static_cast<int>(caption.size());
    SendMessageW(draw.hdr.hwndFrom, HDM_GETITEMW, draw.dwItemSpec,
                 reinterpret_cast<LPARAM>(&header));
    const HGDIOBJ oldFont = SelectObject(draw.hdc, skin.font(FontRole::header));
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, skin.colour(ColourRole::headerText));
    RECT textBox = draw.rc;
    textBox.left += 6;
    DrawTextW(draw.hdc, caption.data(), -1, &textBox,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    SelectObject(draw.hdc, oldFont);
    SelectObject(draw.hdc, oldPen);
    return CDRF_SKIPDEFAULT;
}

LRESULT CALLBACK topLevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR data) {
    static_cast<void>(data);
    if (current != nullptr) {
        switch (message) {
            case WM_ERASEBKGND: {
                RECT client;
                GetClientRect(window, &client);
                FillRect(reinterpret_cast<HDC>(wParam), &client, current->windowBrush.get());
                return 1;
            }
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLORDLG: {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, current->colour(ColourRole::windowText));
                SetBkColor(dc, current->colour(ColourRole::windowBackground));
                return reinterpret_cast<LRESULT>(current->windowBrush.get());
            }
            case WM_DRAWITEM: {
                const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                if (item->CtlType == ODT_BUTTON && isPushButton(item->hwndItem)) {
                    drawButton(*item);
                    return TRUE;
                }
                break;
            }
            case WM_NOTIFY: {
                auto* header = reinterpret_cast<NMHDR*>(lParam);
                if (header->code == NM_CUSTOMDRAW && className(header->hwndFrom) == WC_LISTVIEWW) {
                    return listItemColours(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
                }
                break;
            }
            default:
                break;
        }
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, topLevelProc, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// A list view is the parent of its header, so it receives the header's custom draw.
LRESULT CALLBACK listViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR data) {
    static_cast<void>(data);
    if (current != nullptr && message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == NM_CUSTOMDRAW && header->hwndFrom == ListView_GetHeader(window)) {
            return headerItem(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
        }
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, listViewProc, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The status bar is painted whole: its background, a separator after each part and the
// parts' texts in the skin's colours and the bar's font.
void paintStatusBar(HWND bar) {
    const Resources& skin = *current;
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(bar, &paint);
    RECT client{};
    GetClientRect(bar, &client);
    const UniqueBrush fill(CreateSolidBrush(skin.colour(ColourRole::statusBackground)));
    FillRect(dc, &client, fill.get());
    const UniquePen edge(CreatePen(PS_SOLID, 1, skin.colour(ColourRole::frame)));
    const HGDIOBJ oldPen = SelectObject(dc, edge.get());
    const auto font = reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, skin.colour(ColourRole::statusText));
    const auto parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    for (int part = 0; part < parts; ++part) {
        RECT box{};
        SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&box));
        MoveToEx(dc, box.right - 1, box.top + 2, nullptr);
        LineTo(dc, box.right - 1, box.bottom - 2);
        const auto length =
            LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part),
                     reinterpret_cast<LPARAM>(text.data()));
        box.left += 4;
        DrawTextW(dc, text.c_str(), -1, &box, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
    SelectObject(dc, oldPen);
    EndPaint(bar, &paint);
}

LRESULT CALLBACK statusBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR data) {
    static_cast<void>(data);
    if (current != nullptr && message == WM_PAINT) {
        paintStatusBar(window);
        return 0;
    }
    if (current != nullptr && message == WM_ERASEBKGND) {
        return 1;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, statusBarProc, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void setFont(HWND window, HFONT font) {
    if (font != nullptr) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

BOOL CALLBACK skinChild(HWND child, LPARAM) {
    const Resources& skin = *current;
    const std::wstring kind = className(child);
    if (isPushButton(child)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        SetWindowLongPtrW(child, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
        setFont(child, skin.font(FontRole::button));
    } else if (kind == WC_LISTVIEWW) {
        ListView_SetBkColor(child, skin.colour(ColourRole::listBackground));
        ListView_SetTextBkColor(child, skin.colour(ColourRole::listBackground));
        ListView_SetTextColor(child, skin.colour(ColourRole::listText));
        SetWindowSubclass(child, listViewProc, kSubclassId, 0);
        setFont(child, skin.font(FontRole::window));
        setFont(ListView_GetHeader(child), skin.font(FontRole::header));
    } else if (kind == STATUSCLASSNAMEW) {
        SendMessageW(child, SB_SETBKCOLOR, 0,
                     static_cast<LPARAM>(skin.colour(ColourRole::statusBackground)));
        SetWindowSubclass(child, statusBarProc, kSubclassId, 0);
        setFont(child, skin.font(FontRole::status));
    } else if (kind == WC_STATICW || kind == WC_EDITW || kind == WC_BUTTONW) {
        setFont(child, skin.font(FontRole::window));
    }
    return TRUE;
}

// Only framed top-level windows: the thread's hidden helper windows (IME and the like)
// are left alone.
BOOL CALLBACK skinTopLevel(HWND window, LPARAM found) {
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) {
        return TRUE;
    }
    SetWindowSubclass(window, topLevelProc, kSubclassId, 0);
    EnumChildWindows(window, skinChild, 0);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

BOOL CALLBACK hasFramedWindow(HWND window, LPARAM found) {
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

// Our window procedures now sit in other windows' chains, so this library must stay
// mapped until the process ends, whatever FreeLibrary calls follow.
void pinThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&topLevelProc), &self);
}

}  // namespace

// The previous skin's brushes and fonts stay alive until every window has the new ones.
bool skinThreadWindows(const Skin& skin) {
    bool anyWindow = false;
    EnumThreadWindows(GetCurrentThreadId(), hasFramedWindow, reinterpret_cast<LPARAM>(&anyWindow));
    if (!anyWindow) {
        return false;
    }
    pinThisLibrary();
    std::unique_ptr<Resources> previous = std::exchange(current, makeResources(skin));
    bool skinned = false;
    EnumThreadWindows(GetCurrentThreadId(), skinTopLevel, reinterpret_cast<LPARAM>(&skinned));
    return skinned;
}

}  // namespace hotlist::skinlib
