#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the skin reader fuzz targets.

The byte layout follows tests/fuzz/FuzzInput.h: a flags byte (bit 0: conversions run
out of memory), a count byte, then per entry a name selector (layout only), an
attribute count, and per attribute a name selector, a length (0xFF: two more bytes,
little-endian) and two bytes per UTF-16 unit. Run it again after changing that layout.
"""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus')

RES_NAMES = ['ResolutionID', 'Width', 'Height', 'LayoutFileName']
LAYOUT_ENTRIES = ['DefaultBackground', 'Orientation', 'CharBackground', 'SymbolBackground',
                  'NumberBackground', 'char_editview', 'char_charview', 'char_a', 'orientation']
KEY_OFFSET = len(LAYOUT_ENTRIES)  # key i has selector KEY_OFFSET + i
LAYOUT_ATTRS = ['DefaultBackgroundValue', 'BackgroundWidth', 'BackgroundHeight', 'ValidateWidth',
                'ValidateHeight', 'OrientationValue', 'Left', 'Top', 'Width', 'Height', 'DefaultPath']


def length(n):
    return bytes([n]) if n < 0xFF else bytes([0xFF]) + struct.pack('<H', n)


def text(s):
    return length(len(s)) + s.encode('utf-16-le')


def attr(names, name, value):
    return bytes([names.index(name)]) + text(value)


def res_entry(*pairs):
    return bytes([len(pairs)]) + b''.join(attr(RES_NAMES, n, v) for n, v in pairs)


def layout_entry(selector, *pairs):
    return bytes([selector, len(pairs)]) + b''.join(attr(LAYOUT_ATTRS, n, v) for n, v in pairs)


def write(folder, name, data):
    path = os.path.join(ROOT, folder)
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, name), 'wb') as f:
        f.write(data)


def resolution_seeds():
    two = [res_entry(('ResolutionID', '1'), ('Width', '320'), ('Height', '240'), ('LayoutFileName', 'qvga.xml')),
           res_entry(('ResolutionID', '2'), ('Width', '640'), ('Height', '480'), ('LayoutFileName', 'vga.xml'))]
    write('resolution_entry', 'qvga_and_vga', bytes([0, len(two) - 1]) + b''.join(two))
    write('resolution_entry', 'out_of_memory', bytes([1, 0]) + two[0])
    odd = [res_entry(('Height', '  240px'), ('Height', '-5')),
           res_entry(('Height', '99999999999'), ('LayoutFileName', 'x' * 300)),
           res_entry(),
           res_entry(('Height', '239'), ('LayoutFileName', 'a.xml'), ('LayoutFileName', 'b.xml'))]
    write('resolution_entry', 'odd_values', bytes([0, len(odd) - 1]) + b''.join(odd))


def layout_seeds():
    q = KEY_OFFSET + 16
    full = [layout_entry(1, ('OrientationValue', '4')),
            layout_entry(0, ('DefaultBackgroundValue', '1'), ('BackgroundWidth', '320'),
                         ('BackgroundHeight', '240'), ('ValidateWidth', '320'), ('ValidateHeight', '240')),
            layout_entry(2, ('DefaultPath', 'char.bmp')),
            layout_entry(5, ('Left', '0'), ('Top', '0'), ('Width', '320'), ('Height', '60')),
            layout_entry(q, ('Left', '10'), ('Top', '20'), ('Width', '30'), ('Height', '40'),
                         ('DefaultPath', 'q.bmp'))]
    write('layout_entry', 'landscape_design', bytes([0, len(full) - 1]) + b''.join(full))
    portrait = [layout_entry(1, ('OrientationValue', '5')),
                layout_entry(0, ('BackgroundWidth', '240'), ('BackgroundHeight', '320')),
                layout_entry(KEY_OFFSET + 83, ('Left', '200'), ('Top', '300'), ('Width', '40'), ('Height', '20'),
                             ('DefaultPath', '\u20ac' * 5 + '.bmp'))]
    write('layout_entry', 'portrait_design', bytes([0, len(portrait) - 1]) + b''.join(portrait))
    hostile = [layout_entry(KEY_OFFSET, ('Left', '2147483647'), ('Width', '2147483647'),
                            ('Top', '-2147483648'), ('Height', '-1')),
               layout_entry(0, ('BackgroundWidth', '-2147483648'), ('BackgroundHeight', '2147483647')),
               layout_entry(KEY_OFFSET + 1, ('DefaultPath', 'p' * 600)),
               layout_entry(7, ('Left', '1'))]
    write('layout_entry', 'hostile_numbers', bytes([0, len(hostile) - 1]) + b''.join(hostile))
    write('layout_entry', 'out_of_memory', bytes([1, 0]) + full[4])


def number_seeds():
    for name, value in [('plain', b'240'), ('signed', b'  -17px'), ('overflow', b'99999999999999999999'),
                        ('min', b'-2147483648'), ('none', b'abc'), ('wide', '  +42'.encode('utf-16-le'))]:
        write('skin_number', name, value)


def ampersand_seeds():
    for name, value in [('none', 'abc'), ('some', 'a&b&&c&'), ('only', '&' * 40), ('wide', '\u00e9&\u20ac')]:
        write('double_ampersands', name, value.encode('utf-16-le'))


if __name__ == '__main__':
    resolution_seeds()
    layout_seeds()
    number_seeds()
    ampersand_seeds()
