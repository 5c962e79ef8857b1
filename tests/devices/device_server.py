# A misbehaving device on 127.0.0.1. Without an argument it never ends a line:
# every connection gets one byte every 50 ms, whatever it asks. With one, it
# answers every command line with that text (\n escapes allowed), like a
# rotctld gone wrong. Prints its port first; ends with its standard input.
import socket, sys, threading, time

server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(16)
print(server.getsockname()[1], flush=True)
answer = sys.argv[1].encode().decode("unicode_escape").encode() if len(sys.argv) > 1 else None


def serve(conn):
    try:
        if answer is None:
            while True:
                conn.sendall(b"0")
                time.sleep(0.05)
        for _ in conn.makefile("rb"):
            conn.sendall(answer)
    except OSError:
        pass


def accept():
    while True:
        conn, _ = server.accept()
        threading.Thread(target=serve, args=(conn,), daemon=True).start()


threading.Thread(target=accept, daemon=True).start()
sys.stdin.read()
