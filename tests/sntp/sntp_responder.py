# An SNTP server on 127.0.0.1 for the clock-check tests; prints its port.
#   answer OFFSET [HOLD]  replies with the local clock plus OFFSET seconds, keeping
#                         each request HOLD seconds between receipt and reply
#   silent                reads requests and never answers
#   kiss                  answers with a kiss-o'-death (stratum 0, "RATE")
#   liar                  claims it held the request 10 s, longer than the round trip
# It ends when its standard input closes, that is when the test that started it ends.
import select, socket, struct, sys, time

NTP_TO_UNIX = 2208988800


def stamp(t):
    seconds = int(t) + NTP_TO_UNIX
    return struct.pack("!II", seconds & 0xFFFFFFFF, int((t - int(t)) * 2**32) & 0xFFFFFFFF)


mode = sys.argv[1]
offset = float(sys.argv[2]) if len(sys.argv) > 2 else 0.0
hold = float(sys.argv[3]) if len(sys.argv) > 3 else 0.0
sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
sock.bind(("127.0.0.1", 0))
print(sock.getsockname()[1], flush=True)

while True:
    ready, _, _ = select.select([sock, sys.stdin], [], [])
    if sys.stdin in ready and not sys.stdin.buffer.read1(64):
        break
    if sock not in ready:
        continue
    request, peer = sock.recvfrom(512)
    received = time.time() + offset
    if mode == "silent" or len(request) < 48:
        continue
    time.sleep(hold)
    origin = request[40:48]
    if mode == "kiss":
        reply = bytes([0x24, 0, 0, 0]) + bytes(8) + b"RATE" + bytes(8) + origin + bytes(16)
    else:
        reply = (bytes([0x24, 2, 6, 0xEC]) + bytes(8) + b"TEST" + stamp(received) + origin
                 + stamp(received) + stamp(received + 10 if mode == "liar" else time.time() + offset))
    sock.sendto(reply, peer)
