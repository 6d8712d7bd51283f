#!/usr/bin/python3
"""The reporter's SMTP client (smtp_send.exe under Wine) against real servers on 127.0.0.1.

A real SMTP server (aiosmtpd, which refuses any line over 1000 characters as real servers do) must
receive every report whole, with and without AUTH LOGIN, with the log attached and in the body, however
long its lines and whatever "=" they hold. A refused recipient ends the dialogue with its transcript. A
server that never accepts the connection and one that stops reading in the middle of the message each end
the dialogue with a warning once the time-out has passed, where without the time-out they would hang."""
import argparse
import email
import os
import re
import select
import smtplib
import socket
import subprocess
import sys
import threading

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import SMTP, AuthResult

USER, PASSWORD = "reporter", "s3cret \"pass\""
MESSAGE = "Huecast stopped.\r\n.A line that starts with a full stop."
# A long exception message, "=XX" sequences that a reader would decode if they were sent raw, and a line
# that looks like the boundary.
LONG_MESSAGE = "  Message: " + "Invalid line! =41=3D " * 55
LOG = ("Application...\r\n  Version Number  : 2.4.0.0\r\n\r\nException...\r\n" + LONG_MESSAGE + "\r\n"
       "  Class: 100%% \"bad\" =C4\r\n--boundary--\r\n\r\n\r\n\r\n")
TIMEOUT_MS = 3000
# A client that stays longer hung: a deadline, not a figure. Given the client's own work on a busy machine
# (preparing a report of megabytes, starting Wine), it is generous; a client that ends returns at once.
HUNG_S = 120


class Recorder:
    def __init__(self, reject=None):
        self.envelopes = []
        self.reject = reject

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address == self.reject:
            return "550 5.1.1 No such user"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.envelopes.append((envelope, session.authenticated))
        return "250 OK"


def authenticator(server, session, envelope, mechanism, auth_data):
    ok = mechanism == "LOGIN" and auth_data.login == USER.encode() and auth_data.password == PASSWORD.encode()
    return AuthResult(success=ok)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def log_lines():
    lines = LOG.split("\r\n")
    while lines and lines[-1] == "":
        lines.pop()
    return lines + ["", "", ""]


def check_content(received, attach):
    """What a mail reader makes of the message: the body and the log exactly as they were written."""
    problems = []
    message = email.message_from_bytes(received)
    if message.defects:
        problems.append(f"defects {message.defects}")
    if message["Subject"] != "Huecast error report":
        problems.append(f"subject {message['Subject']!r}")
    if attach:
        if not message.is_multipart() or len(message.get_payload()) != 2:
            return problems + ["not two parts"]
        text, log = message.get_payload()
        if text.get_content_charset() != "gbk":  # the system code page under the test's locale
            problems.append(f"charset {text.get_content_charset()!r}")
        if text.get_payload(decode=True) != MESSAGE.encode():
            problems.append(f"body {text.get_payload(decode=True)!r}")
        if log.get_filename() != "smtp-test.elf":
            problems.append(f"file name {log.get_filename()!r}")
        expected = "".join(line + "\r\n" for line in log_lines()).encode()
        if log.get_payload(decode=True) != expected:
            problems.append(f"log\n{log.get_payload(decode=True)!r}\n{expected!r}")
    else:
        expected = (MESSAGE + "\r\n\r\n\r\n" + LOG + "\r\n").encode()
        if message.get_content_charset() != "gbk":
            problems.append(f"charset {message.get_content_charset()!r}")
        if message.is_multipart() or message.get_payload(decode=True) != expected:
            problems.append(f"body\n{message.get_payload(decode=True)!r}\n{expected!r}")
    longest = max(len(line) for line in received.split(b"\r\n"))
    if longest > 998:
        problems.append(f"a line of {longest} characters")
    return problems


def run_client(args, port, mode, auth=False, log_path=None, timeout_ms=None, host=None):
    command = [args.wine_run, args.exe, str(port), USER if auth else "-", PASSWORD if auth else "-", mode,
               "Z:" + (log_path or args.log_path).replace("/", "\\")]
    if timeout_ms:
        command.append(str(timeout_ms))
    env = dict(os.environ, SMTP_SEND_HOST=host) if host else None
    try:
        run = subprocess.run(command, capture_output=True, timeout=HUNG_S, env=env)
    except subprocess.TimeoutExpired:
        return None, f"hung: still running after {HUNG_S} s", None
    out = run.stdout.replace(b"\r", b"").decode("latin-1")  # the console's line ends differ from the wire's
    found = re.search(r"elapsed (\d+) ms", out)
    return run.returncode, out, int(found.group(1)) if found else None


def test_deliveries(args):
    failures = 0
    for auth in (False, True):
        for attach in (True, False):
            recorder = Recorder()
            port = free_port()
            controller = Controller(recorder, hostname="127.0.0.1", port=port, authenticator=authenticator,
                                    auth_require_tls=False, auth_required=auth)
            controller.start()
            try:
                # A host name as well as an address: the name is looked up on a thread of its own.
                code, out, _ = run_client(args, port, "attach" if attach else "body", auth,
                                          host="localhost" if auth else None)
            finally:
                controller.stop()
            name = f"auth={auth} attach={attach}"
            if code != 0 or len(recorder.envelopes) != 1:
                print(f"FAIL {name}: exit {code}, {len(recorder.envelopes)} messages\n{out}")
                failures += 1
                continue
            envelope, authenticated = recorder.envelopes[0]
            problems = check_content(envelope.original_content, attach)
            if envelope.mail_from not in ("", "<>"):  # the null sender
                problems.append(f"sender {envelope.mail_from!r}")
            if envelope.rcpt_tos != ["first@example.org", "second@example.org"]:
                problems.append(f"recipients {envelope.rcpt_tos!r}")
            if bool(authenticated) != auth:
                problems.append(f"authenticated {authenticated!r}")
            if problems:
                print(f"FAIL {name}: " + "; ".join(problems))
                failures += 1
            else:
                print(f"ok {name}")
    return failures


def test_server_enforces_line_limit():
    """The server above would refuse a report line sent as it is, so the deliveries prove the encoding."""
    port = free_port()
    controller = Controller(Recorder(), hostname="127.0.0.1", port=port)
    controller.start()
    try:
        with smtplib.SMTP("127.0.0.1", port) as client:
            client.sendmail("", ["a@example.org"], ("Subject: x\r\n\r\n" + LONG_MESSAGE + "\r\n").encode())
        refused = False
    except smtplib.SMTPDataError as e:
        refused = e.smtp_code == 500
    finally:
        controller.stop()
    assert SMTP.line_length_limit <= 1001
    print("ok server line limit" if refused else "FAIL the server took a line of over 1000 characters")
    return 0 if refused else 1


def test_refused_recipient(args):
    recorder = Recorder(reject="second@example.org")
    port = free_port()
    controller = Controller(recorder, hostname="127.0.0.1", port=port)
    controller.start()
    try:
        code, out, _ = run_client(args, port, "attach")
    finally:
        controller.stop()
    transcript = f"[SMTP] Connected to 127.0.0.1 port {port}\n220 "
    if code == 1 and transcript in out and \
            "RCPT TO:<second@example.org>\n550 5.1.1 No such user\n" in out and not recorder.envelopes:
        print("ok refused recipient")
        return 0
    print(f"FAIL refused recipient: exit {code}\n{out}")
    return 1


def check_bounded(name, code, out, elapsed, warning):
    """Gave up with the warning, having waited out the time-out (a timer never fires early, so this holds
    however busy the machine); how much later it ended depends on the machine, and a hang is run_client's."""
    if code == 1 and elapsed is not None and elapsed >= TIMEOUT_MS - 50 and warning in out:
        print(f"ok {name}")
        return 0
    print(f"FAIL {name}: exit {code}, elapsed {elapsed} ms, expected the warning {warning!r} after the "
          f"{TIMEOUT_MS} ms time-out\n{out}")
    return 1


def test_server_that_never_accepts(args):
    # A listening socket whose queue of connections waiting to be accepted is full: the system drops
    # further connection requests, so the client's connect never completes.
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(0)
    port = listener.getsockname()[1]
    fillers = []
    for _ in range(4):
        s = socket.socket()
        s.setblocking(False)
        s.connect_ex(("127.0.0.1", port))
        fillers.append(s)
    # The queue is full once a connection has been taken into it; the later ones stay unanswered.
    _, connected, _ = select.select([], fillers, [], 60)
    if not connected:
        print("FAIL server that never accepts: no connection reached the queue")
        return 1
    try:
        code, out, elapsed = run_client(args, port, "attach", timeout_ms=TIMEOUT_MS)
    finally:
        for s in fillers:
            s.close()
        listener.close()
    return check_bounded("server that never accepts", code, out, elapsed, "[SMTP] Connection error: ")


def test_server_that_stops_reading(args):
    """Answers until DATA, then reads nothing more while the client sends a large log."""
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
    listener.bind(("127.0.0.1", 0))
    listener.listen(1)
    port = listener.getsockname()[1]
    done = threading.Event()

    def serve():
        connection, _ = listener.accept()
        with connection:
            connection.sendall(b"220 ready\r\n")
            pending = b""
            while True:
                data = connection.recv(4096)
                if not data:
                    return
                pending += data
                while b"\r\n" in pending:
                    line, pending = pending.split(b"\r\n", 1)
                    if line.upper() == b"DATA":
                        connection.sendall(b"354 go ahead\r\n")
                        done.wait()  # and never read again
                        return
                    connection.sendall(b"250 ok\r\n")

    server = threading.Thread(target=serve, daemon=True)
    server.start()
    big_log = os.path.join(os.path.dirname(args.log_path), "smtp-big.elf")
    with open(big_log, "wb") as f:
        f.write(("  Message: " + "x" * 60 + "\r\n").encode() * ((4 << 20) // 73))
    try:
        code, out, elapsed = run_client(args, port, "attach", log_path=big_log, timeout_ms=TIMEOUT_MS)
    finally:
        done.set()
        listener.close()
        os.remove(big_log)
    return check_bounded("server that stops reading", code, out, elapsed, "[SMTP] Error into \"send\": ")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--exe", required=True)
    args = parser.parse_args()

    args.log_path = os.path.join(os.path.dirname(os.path.abspath(args.exe)), "smtp-test.elf")
    with open(args.log_path, "wb") as f:
        f.write(LOG.encode())
    failures = test_server_enforces_line_limit()
    failures += test_deliveries(args)
    failures += test_refused_recipient(args)
    failures += test_server_that_never_accepts(args)
    failures += test_server_that_stops_reading(args)
    os.remove(args.log_path)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
