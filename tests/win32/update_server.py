#!/usr/bin/env python3
"""Update server of the Win32 tests: serves ROOT/files on 127.0.0.1 at a free
port (printed first), 404 for anything else, never cached; logs each request
path to ROOT/requests.log. Usage: update_server.py ROOT
"""
import http.server
import os
import sys
import urllib.parse

root = os.path.realpath(sys.argv[1])
files = os.path.join(root, "files")


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(os.path.join(root, "requests.log"), "a") as log:
            log.write(self.path + "\n")
        path = os.path.realpath(os.path.join(files, urllib.parse.unquote(self.path.split("?")[0]).lstrip("/")))
        if not path.startswith(files + os.sep) or not os.path.isfile(path):
            self.send_error(404)
            return
        with open(path, "rb") as f:
            body = f.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store, no-cache")
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        sys.stderr.write((args[0] % args[1:]) + "\n")


os.makedirs(files, exist_ok=True)
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
