# A rotctld that answers every command line with the same text (argument one,
# with \n escapes). Prints its port first; ends with its standard input.
import socket, sys, threading

answer = sys.argv[1].encode().decode("unicode_escape").encode()
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(16)
print(server.getsockname()[1], flush=True)


def serve(conn):
    try:
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
