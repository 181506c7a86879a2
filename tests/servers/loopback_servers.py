#!/usr/bin/env python3
"""Loopback HTTP, HTTPS and forward-proxy servers for the tests.

All three listen on 127.0.0.1 at ports the system picks; once they all listen, the ports go
to <state-dir>/ports as "http=N", "https=N", "proxy=N" and "pid=N" lines. Each server keeps
every request it receives byte for byte (request line, header lines in wire order, body as
sent) and hands the last one back on its control route. See README.md for the routes.
"""

import argparse
import base64
import os
import select
import signal
import socket
import socketserver
import ssl
import subprocess
import sys
import threading
import time
import urllib.parse

HOLD_SECONDS = 60
PATTERN_BLOCK = bytes(i % 251 for i in range(251 * 1024))
ZERO_BODY = b"\x00zero\x00bytes\x00\x00inside\xff\x00"
LARGE_BODY_SIZE = 50 * 1024 * 1024
LOOPBACK_HOSTS = {"127.0.0.1", "localhost", "::1", "[::1]"}


class Request:
    def __init__(self, method, target, version, header_lines, raw, body):
        self.method = method
        self.target = target
        self.version = version
        self.header_lines = header_lines
        self.raw = raw
        self.body = body
        parsed = urllib.parse.urlsplit(target)
        self.path = parsed.path
        self.query = urllib.parse.parse_qsl(parsed.query, keep_blank_values=True,
                                            encoding="latin-1")

    def header(self, name):
        for line in self.header_lines:
            key, _, value = line.partition(b":")
            if key.strip().lower() == name.lower().encode():
                return value.strip()
        return None

    def params(self, name):
        return [value for key, value in self.query if key == name]

    def wants_close(self):
        connection = (self.header("Connection") or b"").lower()
        return connection == b"close" or self.version != "HTTP/1.1"


def read_request(rfile):
    """One request from the stream, or None when the peer has closed."""
    raw = bytearray()
    line = rfile.readline(65537)
    while line in (b"\r\n", b"\n"):
        raw += line
        line = rfile.readline(65537)
    if not line:
        return None
    raw += line
    parts = line.decode("latin-1").rstrip("\r\n").split(" ")
    if len(parts) != 3:
        return None
    header_lines = []
    while True:
        line = rfile.readline(65537)
        if not line:
            return None
        raw += line
        if line in (b"\r\n", b"\n"):
            break
        header_lines.append(line.rstrip(b"\r\n"))
    request = Request(parts[0], parts[1], parts[2], header_lines, None, b"")
    body = bytearray()
    if (request.header("Transfer-Encoding") or b"").lower() == b"chunked":
        while True:
            size_line = rfile.readline(65537)
            raw += size_line
            size = int(size_line.split(b";")[0].strip() or b"0", 16)
            if size == 0:
                trailer = rfile.readline(65537)
                raw += trailer
                while trailer not in (b"\r\n", b"\n", b""):
                    trailer = rfile.readline(65537)
                    raw += trailer
                break
            chunk = rfile.read(size + 2)
            raw += chunk
            body += chunk[:size]
    else:
        length = int(request.header("Content-Length") or b"0")
        chunk = rfile.read(length) if length else b""
        raw += chunk
        body += chunk
    request.raw = bytes(raw)
    request.body = bytes(body)
    return request


class Recorder:
    """The requests one server has received, newest last."""

    def __init__(self):
        self.lock = threading.Lock()
        self.requests = []

    def add(self, request):
        with self.lock:
            self.requests.append(request)

    def last(self, target=None, path=None):
        with self.lock:
            for request in reversed(self.requests):
                if target is not None and request.target != target:
                    continue
                if path is not None and request.path != path:
                    continue
                return request
        return None

    def clear(self):
        with self.lock:
            self.requests.clear()


def hold_open(connection):
    """Keep a connection open without answering until the peer goes or time runs out."""
    deadline = time.monotonic() + HOLD_SECONDS
    connection.setblocking(True)
    while time.monotonic() < deadline:
        readable, _, _ = select.select([connection], [], [], 0.5)
        if readable:
            try:
                if not connection.recv(65536):
                    return
            except OSError:
                return


class Handler(socketserver.StreamRequestHandler):
    """A small HTTP/1.1 server with keep-alive; the routes are in route()."""

    def setup(self):
        context = self.server.tls_context
        if context is not None:
            # The handshake runs here, on the connection's own thread, so a client that
            # never finishes it holds up nobody else.
            self.request.settimeout(HOLD_SECONDS)
            try:
                self.request = context.wrap_socket(self.request, server_side=True)
            except (OSError, ssl.SSLError):
                self.request = None
                return
        super().setup()

    def finish(self):
        if self.request is not None:
            super().finish()

    def handle(self):
        if self.request is None:
            return
        while True:
            try:
                request = read_request(self.rfile)
            except (OSError, ValueError, ssl.SSLError):
                return
            if request is None:
                return
            try:
                keep_open = self.respond(request)
            except (OSError, ssl.SSLError):
                return
            if not keep_open:
                return

    def respond(self, request):
        if request.path.startswith("/__"):
            return self.control(request)
        self.server.recorder.add(request)
        return self.route(request)

    def control(self, request):
        recorder = self.server.recorder
        if request.path == "/__reset":
            recorder.clear()
            return self.send(request, 200, b"reset\n")
        if request.path == "/__last":
            targets = request.params("target")
            paths = request.params("path")
            found = recorder.last(target=targets[0] if targets else None,
                                  path=paths[0] if paths else None)
            if found is None:
                return self.send(request, 404, b"no such request\n")
            return self.send(request, 200, found.raw, content_type=b"application/octet-stream")
        return self.send(request, 404, b"no such control route\n")

    def route(self, request):
        path = request.path
        extra = [value.encode("latin-1") for value in request.params("header")]
        file_name = self.server.fixture_file(path)
        if file_name is not None:
            with open(file_name, "rb") as fixture:
                body = fixture.read()
            return self.send(request, 200, body, extra, content_type=content_type_of(file_name))
        if path == "/fixed":
            return self.send(request, 200, b"hello from the loopback server\n", extra)
        if path == "/echo":
            return self.send(request, 200, request.raw, extra,
                             content_type=b"application/octet-stream")
        if path == "/cookies":
            cookies = [b"Set-Cookie: " + value.encode("latin-1") for value in request.params("set")]
            return self.send(request, 200, request.header("Cookie") or b"", cookies + extra)
        if path == "/redirect":
            status = int((request.params("status") or ["302"])[0])
            location = (request.params("to") or ["/fixed"])[0].encode("latin-1")
            headers = [b"Location: " + location, b"X-Redirect: " + str(status).encode()] + extra
            return self.send(request, status, b"redirecting to " + location + b"\n", headers)
        if path == "/loop":
            return self.send(request, 302, b"round and round\n", [b"Location: /loop"] + extra)
        if path.startswith("/status/"):
            status = int(path[len("/status/"):])
            return self.send(request, status, f"status {status}\n".encode(), extra)
        if path == "/zeros":
            return self.send(request, 200, ZERO_BODY, extra,
                             content_type=b"application/octet-stream")
        if path == "/large":
            return self.send_pattern(request, LARGE_BODY_SIZE)
        if path.startswith("/bytes/"):
            return self.send_pattern(request, int(path[len("/bytes/"):]))
        if path == "/stall":
            hold_open(self.connection)
            return False
        if path == "/stall-body":
            self.wfile.write(b"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\nfirst bytes")
            self.wfile.flush()
            hold_open(self.connection)
            return False
        return self.send(request, 404, b"not found\n")

    def send(self, request, status, body, extra_headers=(), content_type=b"text/plain",
             close=False):
        keep_open = not close and not request.wants_close()
        head = [f"HTTP/1.1 {status} {reason(status)}".encode(),
                b"Content-Type: " + content_type,
                b"Content-Length: " + str(len(body)).encode()]
        head += list(extra_headers)
        head.append(b"Connection: keep-alive" if keep_open else b"Connection: close")
        self.wfile.write(b"\r\n".join(head) + b"\r\n\r\n")
        if request.method != "HEAD":
            self.wfile.write(body)
        self.wfile.flush()
        return keep_open

    def send_pattern(self, request, size):
        """size bytes where byte i is i mod 251, written block by block."""
        keep_open = not request.wants_close()
        self.wfile.write(b"HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                         + b"Content-Length: " + str(size).encode() + b"\r\n"
                         + (b"Connection: keep-alive" if keep_open else b"Connection: close")
                         + b"\r\n\r\n")
        if request.method != "HEAD":
            remaining = size
            while remaining > 0:
                block = PATTERN_BLOCK[:remaining]
                self.wfile.write(block)
                remaining -= len(block)
        self.wfile.flush()
        return keep_open


def reason(status):
    reasons = {200: "OK", 301: "Moved Permanently", 302: "Found", 303: "See Other",
               307: "Temporary Redirect", 308: "Permanent Redirect", 400: "Bad Request",
               403: "Forbidden", 404: "Not Found", 407: "Proxy Authentication Required",
               500: "Internal Server Error", 502: "Bad Gateway"}
    return reasons.get(status, "Status")


def content_type_of(file_name):
    if file_name.endswith((".html", ".htm")) or "." not in os.path.basename(file_name):
        return b"text/html; charset=utf-8"
    return b"application/octet-stream"


class ProxyHandler(Handler):
    """A forward proxy for loopback targets only: plain requests are passed on one by one,
    CONNECT opens a tunnel. With credentials configured, a request without the matching
    Basic Proxy-Authorization gets 407."""

    def respond(self, request):
        if request.path.startswith("/__") and not request.target.startswith("http"):
            return self.control(request)
        self.server.recorder.add(request)
        expected = self.server.proxy_authorization
        if expected is not None and request.header("Proxy-Authorization") != expected:
            self.send(request, 407, b"proxy credentials needed\n",
                      [b'Proxy-Authenticate: Basic realm="loopback"'], close=True)
            return False
        if request.method == "CONNECT":
            return self.tunnel(request)
        return self.forward(request)

    def tunnel(self, request):
        host, _, port = request.target.rpartition(":")
        if host not in LOOPBACK_HOSTS:
            self.send(request, 403, b"only loopback targets\n", close=True)
            return False
        try:
            upstream = socket.create_connection((host.strip("[]"), int(port)), timeout=10)
        except (OSError, ValueError):
            self.send(request, 502, b"upstream refused\n", close=True)
            return False
        with upstream:
            self.wfile.write(b"HTTP/1.1 200 Connection established\r\n\r\n")
            self.wfile.flush()
            # Clients wait for the 200 before the first tunnel byte, so nothing is buffered.
            pipe(self.connection, upstream)
        return False

    def forward(self, request):
        target = urllib.parse.urlsplit(request.target)
        if target.scheme != "http" or target.hostname not in LOOPBACK_HOSTS:
            self.send(request, 403, b"only loopback targets\n", close=True)
            return False
        dropped = {b"proxy-authorization", b"proxy-connection", b"connection"}
        lines = [line for line in request.header_lines
                 if line.partition(b":")[0].strip().lower() not in dropped]
        if (request.header("Transfer-Encoding") or b"").lower() == b"chunked":
            lines = [line for line in lines
                     if line.partition(b":")[0].strip().lower() != b"transfer-encoding"]
            lines.append(b"Content-Length: " + str(len(request.body)).encode())
        origin = target.path or "/"
        if target.query:
            origin += "?" + target.query
        head = [f"{request.method} {origin} HTTP/1.1".encode()] + lines + [b"Connection: close"]
        try:
            upstream = socket.create_connection((target.hostname, target.port or 80), timeout=30)
        except OSError:
            self.send(request, 502, b"upstream refused\n", close=True)
            return False
        with upstream:
            upstream.sendall(b"\r\n".join(head) + b"\r\n\r\n" + request.body)
            while True:
                data = upstream.recv(65536)
                if not data:
                    break
                self.wfile.write(data)
            self.wfile.flush()
        return False


def pipe(first, second):
    sockets = [first, second]
    while True:
        readable, _, _ = select.select(sockets, [], [], HOLD_SECONDS)
        if not readable:
            return
        for source in readable:
            try:
                data = source.recv(65536)
            except OSError:
                return
            if not data:
                return
            (second if source is first else first).sendall(data)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 64

    def __init__(self, handler, tls_context=None, fixtures=None, routes=None,
                 proxy_authorization=None):
        super().__init__(("127.0.0.1", 0), handler)
        self.tls_context = tls_context
        self.fixtures = fixtures
        self.routes = routes or {}
        self.proxy_authorization = proxy_authorization
        self.recorder = Recorder()

    @property
    def port(self):
        return self.server_address[1]

    def fixture_file(self, path):
        """The file a path maps to: an explicit route first, then a file of the fixtures
        directory named after the path's last segment."""
        if path in self.routes:
            return self.routes[path]
        if self.fixtures is None:
            return None
        name = path.rstrip("/").rpartition("/")[2]
        if not name or name.startswith("."):
            return None
        candidate = os.path.join(self.fixtures, name)
        return candidate if os.path.isfile(candidate) else None


def make_tls_context(state_dir):
    """A self-signed certificate made now, for a host name no test connects by, so that
    the certificate is both of an unknown authority and for the wrong name."""
    cert = os.path.join(state_dir, "cert.pem")
    key = os.path.join(state_dir, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-keyout", key, "-out", cert, "-subj", "/CN=hotlist-loopback.invalid",
                    "-addext", "subjectAltName=DNS:hotlist-loopback.invalid"],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    return context


def parse_routes(entries, fixtures):
    routes = {}
    for entry in entries:
        path, separator, file_name = entry.partition("=")
        if not separator or not path.startswith("/"):
            raise SystemExit(f"bad --route {entry!r}: expected /path=file")
        if fixtures is not None and not os.path.isabs(file_name):
            file_name = os.path.join(fixtures, file_name)
        routes[path] = file_name
    return routes


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--state-dir", required=True,
                        help="where the ports file and the certificate go")
    parser.add_argument("--fixtures", help="serve files of this directory by last path segment")
    parser.add_argument("--route", action="append", default=[],
                        help="serve FILE at PATH (PATH=FILE; FILE relative to --fixtures)")
    parser.add_argument("--proxy-credentials", help="USER:PASSWORD the proxy insists on")
    args = parser.parse_args()

    os.makedirs(args.state_dir, exist_ok=True)
    fixtures = os.path.abspath(args.fixtures) if args.fixtures else None
    routes = parse_routes(args.route, fixtures)
    proxy_authorization = None
    if args.proxy_credentials is not None:
        token = base64.b64encode(args.proxy_credentials.encode("latin-1"))
        proxy_authorization = b"Basic " + token

    servers = {
        "http": Server(Handler, fixtures=fixtures, routes=routes),
        "https": Server(Handler, make_tls_context(args.state_dir), fixtures, routes),
        "proxy": Server(ProxyHandler, proxy_authorization=proxy_authorization),
    }
    for server in servers.values():
        threading.Thread(target=server.serve_forever, daemon=True).start()

    ports_file = os.path.join(args.state_dir, "ports")
    with open(ports_file + ".tmp", "w", encoding="ascii") as out:
        for name, server in servers.items():
            out.write(f"{name}={server.port}\n")
        out.write(f"pid={os.getpid()}\n")
    os.replace(ports_file + ".tmp", ports_file)

    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    signal.signal(signal.SIGINT, lambda *_: stop.set())
    while not stop.wait(1):
        pass
    for server in servers.values():
        server.shutdown()
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
