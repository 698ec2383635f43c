# Reads a stored mail with Python's own parser and prints what a mail program
# would show: sender name and address, recipients, subject and body text.
import email
import email.policy
import json
import sys

with open(sys.argv[1], "rb") as f:
    msg = email.message_from_binary_file(f, policy=email.policy.default)
sender = msg["From"].addresses[0]
print(json.dumps({
    "fromName": sender.display_name,
    "fromAddress": sender.addr_spec,
    "to": str(msg["To"]),
    "subject": str(msg["Subject"]),
    "body": msg.get_content().replace("\r\n", "\n"),
    "dated": msg["Date"] is not None and msg["Date"].datetime is not None,
    "messageId": str(msg["Message-ID"] or ""),
}))
