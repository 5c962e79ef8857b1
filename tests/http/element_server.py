"""A small HTTP server on 127.0.0.1 for the download tests.

Prints its port, then serves:
  /files/NAME     the bytes of NAME in the folder given as argument
  /moved/NAME     a redirect to /files/NAME
  /empty          200 with an empty body
  /silent         accepts and never answers
  anything else   a 404 HTML page
"""
import http.server
import os
import sys
import time

FOLDER = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def answer(self, code, body, headers=()):
        self.send_response(code)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        path = self.path
        if path.startswith("/files/"):
            name = os.path.basename(path[len("/files/"):])
            try:
                with open(os.path.join(FOLDER, name), "rb") as f:
                    return self.answer(200, f.read())
            except OSError:
                pass
        elif path.startswith("/moved/"):
            return self.answer(302, b"", [("Location", "/files/" + path[len("/moved/"):])])
        elif path == "/empty":
            return self.answer(200, b"")
        elif path == "/silent":
            time.sleep(60)
            return
        self.answer(404, b"<html><body><h1>404 Not Found</h1></body></html>\n",
                    [("Content-Type", "text/html")])


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
