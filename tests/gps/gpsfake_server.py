"""gpsfake replaying an NMEA log into a real gpsd on a free port of 127.0.0.1.

Prints the port once gpsd listens; ends gpsd and gpsfake when standard input closes."""
import os
import signal
import socket
import subprocess
import sys
import time

probe = socket.socket()
probe.bind(("127.0.0.1", 0))
port = probe.getsockname()[1]
probe.close()
fake = subprocess.Popen(["gpsfake", "-q", "-c", "0.2", "-P", str(port), sys.argv[1]],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
for _ in range(100):
    try:
        socket.create_connection(("127.0.0.1", port), 0.2).close()
        break
    except OSError:
        time.sleep(0.1)
print(port, flush=True)
sys.stdin.read()
os.killpg(fake.pid, signal.SIGTERM)
fake.wait()
