# A mail server for the sign-in and TLS tests, on a free loopback port.
#   tls_peer.py FOLDER MODE CERT AUTH [direct]
# MODE: starttls (STARTTLS required), tls (TLS from the first byte),
#       drop (offers STARTTLS, says yes, then closes),
#       clear (no TLS at all: STARTTLS left out of EHLO, sign-in offered in clear).
# CERT: good, expired, wronghost (the server's certificate); the authority
#       that signed it is written to FOLDER/ca.pem, the client's trust store.
# AUTH: none (no AUTH offered), both (PLAIN and LOGIN), login (LOGIN only). User "ann",
#       password "s3cret pass"; sign-in only inside TLS, but for MODE clear.
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


def _build(subject, issuer, public_key, signing_key, start, end, ca, names):
    builder = (x509.CertificateBuilder().subject_name(subject).issuer_name(issuer)
               .public_key(public_key).serial_number(x509.random_serial_number())
               .not_valid_before(start).not_valid_after(end)
               .add_extension(x509.BasicConstraints(ca=ca, path_length=None), critical=True))
    if names:
        builder = builder.add_extension(x509.SubjectAlternativeName(names), critical=False)
    return builder.sign(signing_key, hashes.SHA256())


def make_certificate():
    # A certificate authority of the test's own (FOLDER/ca.pem, the client's
    # trust store) signs the server's certificate, as a real provider's is
    # signed: only the server's certificate is expired or names another host,
    # so the client's refusal can name that one reason.
    now = datetime.datetime.utcnow()
    day = datetime.timedelta(days=1)
    ca_key = ec.generate_private_key(ec.SECP256R1())
    ca_name = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, "Test mail CA")])
    ca = _build(ca_name, ca_name, ca_key.public_key(), ca_key, now - day, now + 30 * day,
                True, None)
    key = ec.generate_private_key(ec.SECP256R1())
    name = "wrong.example" if cert_kind == "wronghost" else "localhost"
    if cert_kind == "expired":
        start, end = now - 30 * day, now - day
    else:
        start, end = now - day, now + 30 * day
    alt = [x509.DNSName(name)]
    if name == "localhost":
        alt.append(x509.IPAddress(ipaddress.ip_address("127.0.0.1")))
    leaf = _build(x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, name)]), ca_name,
                  key.public_key(), ca_key, start, end, False, alt)
    with open(os.path.join(folder, "ca.pem"), "wb") as f:
        f.write(ca.public_bytes(serialization.Encoding.PEM))
    chain_path = os.path.join(folder, "server.pem")
    key_path = os.path.join(folder, "key.pem")
    with open(chain_path, "wb") as f:
        f.write(leaf.public_bytes(serialization.Encoding.PEM))
    with open(key_path, "wb") as f:
        f.write(key.private_bytes(serialization.Encoding.PEM,
                                  serialization.PrivateFormat.PKCS8,
                                  serialization.NoEncryption()))
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(chain_path, key_path)
    return context


class NoAuthHandler(StoreHandler):
    """Stores mail like StoreHandler; its EHLO reply offers no AUTH at all."""

    async def handle_EHLO(self, server, session, envelope, hostname, responses):
        session.host_name = hostname
        return [r for r in responses if not r.startswith("250-AUTH")]


def authenticator(server, session, envelope, mechanism, data):
    ok = data.login == b"ann" and data.password == b"s3cret pass"
    # handled=False: the server itself answers 535 to a refused sign-in.
    return AuthResult(success=ok, handled=False)


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
        # The server only knows of TLS it started itself (STARTTLS); a
        # connection in TLS from its first byte is inside TLS all along.
        kwargs = {"hostname": "localhost", "auth_require_tls": mode == "starttls"}
        if "PEER_SIZE_LIMIT" in os.environ:  # the SIZE its EHLO announces
            kwargs["data_size_limit"] = int(os.environ["PEER_SIZE_LIMIT"])
        if auth != "none":
            kwargs["authenticator"] = authenticator
            if auth == "login":
                kwargs["auth_exclude_mechanism"] = ["PLAIN"]
        if mode == "starttls":
            kwargs["tls_context"] = context
            kwargs["require_starttls"] = True
        handler = (NoAuthHandler if auth == "none" else StoreHandler)(folder)
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
