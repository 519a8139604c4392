#!/usr/bin/env python3
"""The maker's web server as the update tests see it, on 127.0.0.1.

Each test case has its own folder: /<case>/vep/usdown.html is the version page and
/<case>/vep/soft/<name> the installer. Usage: version_server.py PORT_FILE
It listens on a free port, writes the port number to PORT_FILE and serves until killed.
"""
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

PREAMBLE = ("<html><head><meta charset=\"Shift_JIS\"><title>Sorvano download</title></head>\r\n"
            "<body>\r\n<h1>Sorvano</h1>\r\n<p>" + "-" * 80 + "</p>\r\n")
INSTALLER = bytes(range(256)) * 40  # 10240 bytes, NUL bytes included


def page(build, link="soft/sorva57.exe"):
    text = PREAMBLE + "<p>\x81\x69" + build + "\x81\x6a</p>\r\n"  # （build）
    if link is not None:
        text += "<a href=\"" + link + "\">download</a>\r\n"
    return (text + "</body></html>\r\n").encode("latin-1")


PAGES = {
    "newer": page("2021/02/15"),
    "same": page("2021/01/28"),
    "early": ("<p>(2021/02/15)</p>" + " " * 200).encode("latin-1"),
    "nolink": page("2021/02/15", link=None),
    "evil": page("2021/02/15", link="soft/..\\..\\evil.exe"),
    "device": page("2021/02/15", link="soft/CON"),
    "slow": page("2021/02/15"),
    "cut": page("2021/02/15"),
    "nolength": page("2021/02/15"),
}


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, format, *args):
        sys.stderr.write("version_server: " + (format % args) + "\n")

    def send_body(self, body, length=None, pause=0.0):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers()
        step = 64 if pause else len(body) or 1
        for start in range(0, len(body), step):
            self.wfile.write(body[start:start + step])
            self.wfile.flush()
            time.sleep(pause)

    def do_GET(self):
        parts = self.path.strip("/").split("/")
        case = parts[0] if parts else ""
        rest = "/".join(parts[1:])
        if case == "unauthorized":
            self.send_error(401)
        elif rest == "vep/usdown.html" and case in PAGES:
            body = PAGES[case]
            # The slow page takes about four seconds.
            self.send_body(body, pause=4.0 / (len(body) / 64) if case == "slow" else 0.0)
        elif rest.startswith("vep/soft/") and case == "cut":
            # Announces the whole installer, sends half of it and hangs up.
            self.send_body(INSTALLER[:len(INSTALLER) // 2], length=len(INSTALLER))
        elif rest.startswith("vep/soft/") and case == "nolength":
            # The whole installer, but no Content-Length: the end is where the line closes.
            self.send_response(200)
            self.end_headers()
            self.wfile.write(INSTALLER)
        elif rest.startswith("vep/soft/") and case in PAGES:
            self.send_body(INSTALLER)
        else:
            self.send_error(404)


def main():
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    with open(sys.argv[1], "w") as port_file:
        port_file.write(str(server.server_address[1]))
    server.serve_forever()


if __name__ == "__main__":
    main()
