#!/usr/bin/env python3
"""Prints the entities of a VHDL file as GHDL sees them, one line per item:
    entity NAME
    generic NAME TYPEMARK
    port NAME MODE TYPEMARK
Usage: ghdl_interfaces.py STD FILE (STD is 87 or 93c). Exits 1 when GHDL cannot analyse it."""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def type_mark(element):
    indication = element.find('subtype_indication')
    if indication is None:
        return '?'
    if indication.get('identifier'):
        return indication.get('identifier').lower()
    mark = indication.find('subtype_type_mark')
    if mark is not None and mark.get('identifier'):
        return mark.get('identifier').lower()
    return '?'


def main():
    std, path = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        result = subprocess.run(['ghdl', '--file-to-xml', '--std=' + std, '--workdir=' + work,
                                 os.path.abspath(path)], capture_output=True, text=True)
    # GHDL 2.0 ends with status 0 and writes nothing when a unit the file needs is missing.
    if result.returncode != 0 or not result.stdout.strip():
        sys.stderr.write(result.stderr)
        return 1
    root = ET.fromstring(result.stdout)
    name = os.path.abspath(path)
    for unit in root.iter('library_unit'):
        if unit.get('kind') != 'entity_declaration' or unit.get('file') not in (name, path):
            continue
        print('entity', unit.get('identifier').lower())
        for chain, kind in (('generic_chain', 'generic'), ('port_chain', 'port')):
            node = unit.find(chain)
            if node is None:
                continue
            previous = '?'
            for element in node.findall('el'):
                ident = element.get('identifier').lower()
                # "a, b : t": the later names share the first one's subtype indication.
                mark = type_mark(element)
                if mark == '?':
                    mark = previous
                previous = mark
                if kind == 'generic':
                    print('generic', ident, mark)
                else:
                    print('port', ident, element.get('mode'), mark)
    return 0


if __name__ == '__main__':
    sys.exit(main())
