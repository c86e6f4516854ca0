#!/usr/bin/python3
"""validate-json.py SCHEMA DOCUMENT: exit 0 when the document holds to the schema, else 1."""
import json
import sys

import jsonschema

schema, document = (json.load(open(path, encoding="utf-8")) for path in sys.argv[1:3])
try:
    jsonschema.Draft202012Validator(schema).validate(document)
except jsonschema.ValidationError as fault:
    sys.exit(f"{sys.argv[2]}: {fault.message}")
