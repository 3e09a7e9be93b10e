#!/usr/bin/env python3
"""Answers the game's score requests like the score server, with a fixed
table of ten and a delay, so that screenshots can catch an exchange in
progress. For pictures only: it stores nothing and checks nothing.

usage: late-score-server.py PORT [DELAY_SECONDS]
"""
import http.server
import sys
import time

DELAY = float(sys.argv[2]) if len(sys.argv) > 2 else 1.5
TABLE = [(3, "ZED"), (5, "KIT"), (8, "MOSS"), (12, "ROWAN"), (17, "FERN"),
         (23, "ASH"), (31, "IVY"), (40, "WREN"), (52, "BRAMBLE"), (72, "HOLLY")]


class Handler(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        self.rfile.read(int(self.headers.get("Content-Length", 0)))
        time.sleep(DELAY)
        body = "".join(f"{score} {name}\n" for score, name in TABLE).encode()
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Handler).serve_forever()
