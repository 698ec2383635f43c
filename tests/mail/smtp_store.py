# Message store for the real-server tests of the SMTP client: every accepted
# mail is written to the folder given on the command line, its raw content
# (after the server's own dot handling) to mailN.eml and its envelope to
# mailN.env. Files appear whole (written, then renamed).
import os


class StoreHandler:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    @classmethod
    def from_cli(cls, parser, *args):
        return cls(args[0])

    def _put(self, name, data):
        tmp = os.path.join(self.folder, name + ".tmp")
        with open(tmp, "wb") as f:
            f.write(data)
        os.rename(tmp, os.path.join(self.folder, name))

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = "mail%d" % self.count
        env = [session.host_name or "", envelope.mail_from] + list(envelope.rcpt_tos)
        self._put(base + ".env", ("\n".join(env) + "\n").encode())
        self._put(base + ".eml", envelope.original_content)
        return "250 Message accepted for delivery"


# python3 smtp_store.py FOLDER TOKEN: a server that stores into FOLDER, on a
# loopback port the system chooses (so no other server can hold it), with
# TOKEN in its greeting so a test can tell it is talking to this one and not
# to a mail server the machine runs. Prints "PORT n" once listening.
if __name__ == "__main__":
    import asyncio
    import sys

    from aiosmtpd.smtp import SMTP

    async def serve(folder, token):
        handler = StoreHandler(folder)
        loop = asyncio.get_running_loop()
        server = await loop.create_server(
            lambda: SMTP(handler, hostname="localhost", ident=token), "127.0.0.1", 0)
        print("PORT %d" % server.sockets[0].getsockname()[1], flush=True)
        await asyncio.Event().wait()

    asyncio.run(serve(sys.argv[1], sys.argv[2]))
