#!/usr/bin/env python3
"""Checks a JSON document against a JSON Schema: exit 0 when it holds, 1 with the first fault."""
import json
import sys

import jsonschema

schema_path, document_path = sys.argv[1], sys.argv[2]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
with open(document_path, encoding="utf-8") as f:
    document = json.load(f)
try:
    jsonschema.Draft202012Validator(schema).validate(document)
except jsonschema.ValidationError as fault:
    print(f"{document_path}: {fault.message} at {list(fault.absolute_path)}", file=sys.stderr)
    sys.exit(1)
