#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Serves the page's folder on 127.0.0.1 as a plain static web server, with the media types the
page needs (the manifest, the fonts, the module), text and the module gzipped as web servers
send them, and no caching, so that a rebuilt page shows at the next load. Used by scripts/web
and by the page's tests and benchmarks.
    serve_page.py FOLDER [PORT]      (PORT taken: another one; 0: any free one)
"""
import functools
import gzip
import http.server
import sys
import threading
from pathlib import Path

MEDIA_TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".css": "text/css; charset=utf-8",
    ".webmanifest": "application/manifest+json",
    ".svg": "image/svg+xml",
    ".woff2": "font/woff2",
    ".txt": "text/plain; charset=utf-8",
}

COMPRESSED = {".html", ".js", ".css", ".webmanifest", ".svg", ".txt", ".wasm"}


@functools.lru_cache(maxsize=64)
def gzipped(path, version):
    """A file's bytes gzipped, once per version (modification time and size), as a web server
    that keeps compressed copies sends them: the page's load is not held up by compressing."""
    del version  # a key of the cache only
    return gzip.compress(path.read_bytes(), 6)


class PageHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = MEDIA_TYPES

    def do_GET(self):
        """Text and the module gzipped when the browser takes it, as web servers send them."""
        path = Path(self.translate_path(self.path))
        if (path.suffix not in COMPRESSED or not path.is_file()
                or "gzip" not in self.headers.get("Accept-Encoding", "")):
            super().do_GET()
            return
        stat = path.stat()
        body = gzipped(path, (stat.st_mtime_ns, stat.st_size))
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the browser went on to another page

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, *args):
        pass


class PageServer:
    """The server in a thread of its own: start(), url, stop()."""

    def __init__(self, folder, port=0, handler=PageHandler):
        handler = functools.partial(handler, directory=str(folder))
        try:
            self.server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
        except OSError:  # the port is taken: any free one
            self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        self.thread = None

    def start(self):
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()
        return self

    def stop(self):
        self.server.shutdown()
        self.server.server_close()
        self.thread.join()


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    server = PageServer(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 8000)
    print(f"Velmora is served at {server.url} (Ctrl+C stops it)", flush=True)
    try:
        server.server.serve_forever()
    except KeyboardInterrupt:
        pass
    server.server.server_close()


if __name__ == "__main__":
    main()
