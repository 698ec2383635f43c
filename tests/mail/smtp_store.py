# Message store for the real-server test of the SMTP client: every accepted
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
