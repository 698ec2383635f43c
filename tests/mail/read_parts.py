# Reads a stored mail with Python's own parser as a mail program would and
# writes what it finds: the text of the first part to OUTDIR/text, each
# attached file's decoded bytes to OUTDIR/1, OUTDIR/2, ...; prints a JSON list
# of the attachments' file names and content types.
#   read_parts.py MAIL OUTDIR
import email
import email.policy
import json
import os
import sys

with open(sys.argv[1], "rb") as f:
    msg = email.message_from_binary_file(f, policy=email.policy.default)
out = sys.argv[2]
if not msg.is_multipart():
    raise SystemExit("not multipart: " + msg.get_content_type())
if msg.get_content_type() != "multipart/mixed":
    raise SystemExit("not multipart/mixed: " + msg.get_content_type())
parts = list(msg.iter_parts())
with open(os.path.join(out, "text"), "wb") as f:
    f.write(parts[0].get_content().replace("\r\n", "\n").encode("utf-8"))
files = []
for i, part in enumerate(parts[1:], start=1):
    if part.get_content_disposition() != "attachment":
        raise SystemExit("part %d is not an attachment" % i)
    with open(os.path.join(out, str(i)), "wb") as f:
        f.write(part.get_payload(decode=True))
    files.append({"name": part.get_filename(), "type": part.get_content_type()})
print(json.dumps(files))
