# A device that never ends a line: every connection gets one byte every
# 50 ms, whatever it asks. Prints its port first; ends with its standard input.
import socket, sys, threading, time

server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(16)
print(server.getsockname()[1], flush=True)


def drip(conn):
    try:
        while True:
            conn.sendall(b"0")
            time.sleep(0.05)
    except OSError:
        pass


def serve():
    while True:
        conn, _ = server.accept()
        threading.Thread(target=drip, args=(conn,), daemon=True).start()


threading.Thread(target=serve, daemon=True).start()
sys.stdin.read()
