# HTTP on 127.0.0.1 for the download tests; prints its port. /files/NAME serves the
# folder's NAME, /moved/NAME redirects there, /cut/NAME breaks off 20 bytes before the
# end of NAME, /empty is empty, /silent never answers.
import http.server, os, sys, time


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def answer(self, code, body=b"", location=None, cut=0):
        self.send_response(code)
        if location:
            self.send_header("Location", location)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body[:len(body) - cut])

    def do_GET(self):
        kind, name = os.path.split(self.path)
        file = os.path.join(sys.argv[1], name)
        if kind in ("/files", "/cut") and os.path.isfile(file):
            with open(file, "rb") as f:
                return self.answer(200, f.read(), cut=20 if kind == "/cut" else 0)
        if kind == "/moved":
            return self.answer(302, location="/files/" + name)
        if self.path == "/empty":
            return self.answer(200)
        if self.path == "/silent":
            return time.sleep(60)
        self.answer(404, b"<html><body><h1>404 Not Found</h1></body></html>\n")

server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
