# A mail server for the sign-in and TLS tests, on a free loopback port.
#   tls_peer.py FOLDER MODE CERT AUTH [direct]
# MODE: starttls (STARTTLS required), tls (TLS from the first byte),
#       drop (offers STARTTLS, says yes, then closes).
# CERT: good, expired, wronghost; the certificate is written to
#       FOLDER/ca.pem for the client's private trust store.
# AUTH: none, both (PLAIN and LOGIN), login (LOGIN only). User "ann",
#       password "s3cret pass"; sign-in only inside TLS.
# Mails are stored by smtp_store.StoreHandler; every byte the client sends
# goes through a relay that writes it to FOLDER/wire.log as it crossed the
# network. Prints "PORT n" (the relay's port) once listening.
import asyncio
import datetime
import ipaddress
import os
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult
from cryptography import x509
from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import ec
from cryptography.x509.oid import NameOID

from smtp_store import StoreHandler

folder, mode, cert_kind, auth = sys.argv[1:5]
direct = sys.argv[5:6] == ["direct"]  # no relay, no wire log (for timing)


def make_certificate():
    key = ec.generate_private_key(ec.SECP256R1())
    name = "wrong.example" if cert_kind == "wronghost" else "localhost"
    now = datetime.datetime.utcnow()
    if cert_kind == "expired":
        start, end = now - datetime.timedelta(days=30), now - datetime.timedelta(days=1)
    else:
        start, end = now - datetime.timedelta(days=1), now + datetime.timedelta(days=30)
    subject = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, name)])
    alt = [x509.DNSName(name)]
    if name == "localhost":
        alt.append(x509.IPAddress(ipaddress.ip_address("127.0.0.1")))
    cert = (x509.CertificateBuilder().subject_name(subject).issuer_name(subject)
            .public_key(key.public_key()).serial_number(x509.random_serial_number())
            .not_valid_before(start).not_valid_after(end)
            .add_extension(x509.BasicConstraints(ca=True, path_length=None), critical=True)
            .add_extension(x509.SubjectAlternativeName(alt), critical=False)
            .sign(key, hashes.SHA256()))
    cert_path = os.path.join(folder, "ca.pem")
    key_path = os.path.join(folder, "key.pem")
    with open(cert_path, "wb") as f:
        f.write(cert.public_bytes(serialization.Encoding.PEM))
    with open(key_path, "wb") as f:
        f.write(key.private_bytes(serialization.Encoding.PEM,
                                  serialization.PrivateFormat.PKCS8,
                                  serialization.NoEncryption()))
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert_path, key_path)
    return context


def authenticator(server, session, envelope, mechanism, data):
    ok = data.login == b"ann" and data.password == b"s3cret pass"
    return AuthResult(success=ok)


async def dropping_server(reader, writer):
    writer.write(b"220 drop ready\r\n")
    while True:
        line = await reader.readline()
        if not line:
            break
        if line.upper().startswith(b"EHLO"):
            writer.write(b"250-drop\r\n250 STARTTLS\r\n")
        elif line.upper().startswith(b"STARTTLS"):
            writer.write(b"220 go ahead\r\n")
            await writer.drain()
            break
        else:
            writer.write(b"250 OK\r\n")
    writer.close()


async def relay(reader, writer, port):
    up_reader, up_writer = await asyncio.open_connection("127.0.0.1", port)
    wire = open(os.path.join(folder, "wire.log"), "ab")

    async def pipe(src, dst, log):
        while True:
            data = await src.read(65536)
            if not data:
                break
            if log:
                wire.write(data)
                wire.flush()
            dst.write(data)
            await dst.drain()
        dst.close()

    await asyncio.gather(pipe(reader, up_writer, True), pipe(up_reader, writer, False),
                         return_exceptions=True)


async def main():
    context = make_certificate()
    loop = asyncio.get_running_loop()
    if mode == "drop":
        inner = await asyncio.start_server(dropping_server, "127.0.0.1", 0)
    else:
        kwargs = {"hostname": "localhost", "auth_require_tls": True}
        if auth != "none":
            kwargs["authenticator"] = authenticator
            if auth == "login":
                kwargs["auth_exclude_mechanism"] = ["PLAIN"]
        if mode == "starttls":
            kwargs["tls_context"] = context
            kwargs["require_starttls"] = True
        handler = StoreHandler(folder)
        inner = await loop.create_server(
            lambda: SMTP(handler, **kwargs), "127.0.0.1", 0,
            ssl=context if mode == "tls" else None)
    inner_port = inner.sockets[0].getsockname()[1]
    if direct:
        print("PORT %d" % inner_port, flush=True)
        await asyncio.Event().wait()
    outer = await asyncio.start_server(lambda r, w: relay(r, w, inner_port), "127.0.0.1", 0)
    print("PORT %d" % outer.sockets[0].getsockname()[1], flush=True)
    await asyncio.Event().wait()


asyncio.run(main())
