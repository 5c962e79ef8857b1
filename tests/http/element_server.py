# HTTP on 127.0.0.1 for the download tests; prints its port, and exits when its
# standard input closes, so that it never outlives the test that started it.
#   /files/NAME     the folder's NAME          /moved/NAME   redirects to /files/NAME
#   /cut/NAME       NAME broken off 20 bytes before its end
#   /status/CODE/NAME   NAME with that status   /loop        redirects to itself
#   /silent         never answers              /slow         headers, then a byte a second
#   /to?URL         redirects to URL
# A second argument, a PEM file with key and certificate, makes it speak HTTPS.
import http.server, os, ssl, sys, threading, time


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

    def served(self, name):
        path = os.path.join(sys.argv[1], name)
        if not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def do_GET(self):
        parts = self.path.strip("/").split("/")
        kind, name = parts[0], parts[-1]
        if kind in ("files", "cut") and self.served(name) is not None:
            return self.answer(200, self.served(name), cut=20 if kind == "cut" else 0)
        if kind == "status" and len(parts) == 3:
            return self.answer(int(parts[1]), self.served(name) or b"")
        if kind == "moved":
            return self.answer(302, location="/files/" + name)
        if kind.startswith("to?"):
            return self.answer(302, location=self.path.split("?", 1)[1])
        if kind == "loop":
            return self.answer(302, location="/loop")
        if kind == "silent":
            return time.sleep(60)
        if kind == "slow":
            self.send_response(200)
            self.send_header("Content-Length", "1000")
            self.end_headers()
            for _ in range(60):
                self.wfile.write(b"x")
                self.wfile.flush()
                time.sleep(1)
            return
        self.answer(404, b"<html><body><h1>404 Not Found</h1></body></html>\n")


def exit_when_parent_goes():
    sys.stdin.buffer.read()
    os._exit(0)


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
if len(sys.argv) > 2:
    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(sys.argv[2])
    server.socket = tls.wrap_socket(server.socket, server_side=True)
threading.Thread(target=exit_when_parent_goes, daemon=True).start()
print(server.server_address[1], flush=True)
server.serve_forever()
