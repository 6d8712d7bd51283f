#!/usr/bin/python3
"""The reporter's SMTP client (smtp_send.exe under Wine) against a real SMTP server on 127.0.0.1: with and
without AUTH LOGIN, with the log attached and in the body. The server must receive exactly the message
the client is meant to send."""
import argparse
import os
import socket
import subprocess
import sys
import tempfile

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult

USER, PASSWORD = "reporter", "s3cret \"pass\""
MESSAGE = "Huecast stopped.\r\n.A line that starts with a full stop."
LOG = "Application...\r\n  Version Number  : 2.4.0.0\r\n\r\nException...\r\n  Message: 100%% \"bad\"\r\n\r\n\r\n\r\n"


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


def expected_message(attach, log_name):
    """The message as the client lays it out (built here independently of the client's code)."""
    if attach:
        lines = LOG.split("\r\n")
        if lines[-1] == "":
            lines.pop()
        content = (
            "MIME-Version: 1.0\r\n"
            'Content-Type: multipart/mixed; boundary="boundary"\r\n'
            "--boundary\r\n"
            'Content-Type: text/plain; charset="iso-8859-1"\r\n'
            "Content-Transfer-Encoding: 8bit\r\n"
            "\r\n" + MESSAGE + "\r\n"
            "--boundary\r\n"
            f'Content-Type: application/octet-stream; name="{log_name}"\r\n'
            "Content-Transfer-Encoding: quoted-printable\r\n"
            f'Content-Disposition: attachment; filename="{log_name}"\r\n'
            "\r\n" + "".join(line + "\r\n" for line in lines) + "\r\n"
            "--boundary--\r\n")
    else:
        content = MESSAGE + "\r\n\r\n\r\n" + LOG + "\r\n"
    return "Subject: Huecast error report\r\n" + content


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--exe", required=True)
    args = parser.parse_args()

    workdir = os.path.dirname(os.path.abspath(args.exe))
    log_path = os.path.join(workdir, "smtp-test.elf")
    with open(log_path, "wb") as f:
        f.write(LOG.encode())

    failures = 0
    for auth in (False, True):
        for attach in (True, False):
            recorder = Recorder()
            port = free_port()
            controller = Controller(recorder, hostname="127.0.0.1", port=port, authenticator=authenticator,
                                    auth_require_tls=False, auth_required=auth)
            controller.start()
            try:
                command = [args.wine_run, args.exe, str(port), USER if auth else "-", PASSWORD if auth else "-",
                           "attach" if attach else "body", "Z:" + log_path.replace("/", "\\")]
                run = subprocess.run(command, capture_output=True, text=True, timeout=120)
            finally:
                controller.stop()
            name = f"auth={auth} attach={attach}"
            if run.returncode != 0 or len(recorder.envelopes) != 1:
                print(f"FAIL {name}: exit {run.returncode}, {len(recorder.envelopes)} messages\n{run.stdout}")
                failures += 1
                continue
            envelope, authenticated = recorder.envelopes[0]
            received = envelope.original_content.decode("latin-1")
            expected = expected_message(attach, "smtp-test.elf")
            problems = []
            if envelope.mail_from not in ("", "<>"):  # the null sender
                problems.append(f"sender {envelope.mail_from!r}")
            if envelope.rcpt_tos != ["first@example.org", "second@example.org"]:
                problems.append(f"recipients {envelope.rcpt_tos!r}")
            if bool(authenticated) != auth:
                problems.append(f"authenticated {authenticated!r}")
            if received != expected:
                problems.append(f"content\n--- received\n{received!r}\n--- expected\n{expected!r}")
            if problems:
                print(f"FAIL {name}: " + "; ".join(problems))
                failures += 1
            else:
                print(f"ok {name}")
    # A refused recipient ends the dialogue; the warning holds the whole transcript.
    recorder = Recorder(reject="second@example.org")
    port = free_port()
    controller = Controller(recorder, hostname="127.0.0.1", port=port)
    controller.start()
    try:
        run = subprocess.run([args.wine_run, args.exe, str(port), "-", "-", "attach", "Z:" + log_path.replace("/", "\\")],
                             capture_output=True, timeout=120)
    finally:
        controller.stop()
    out = run.stdout.replace(b"\r", b"").decode("latin-1")  # the console's line ends differ from the wire's
    transcript = f"[SMTP] Connected to 127.0.0.1 port {port}\n220 "
    if run.returncode == 1 and out.startswith(transcript) and \
            "RCPT TO:<second@example.org>\n550 5.1.1 No such user\n" in out and not recorder.envelopes:
        print("ok refused recipient")
    else:
        print(f"FAIL refused recipient: exit {run.returncode}\n{out}")
        failures += 1

    os.remove(log_path)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
