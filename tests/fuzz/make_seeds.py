#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the resolution_entry, layout_entry, skin_number,
double_ampersands, options_reader and user_words fuzz targets into corpus/<target>/.

The byte layout follows tests/fuzz/FuzzInput.h: a flags byte (bit 0: conversions run
out of memory), a count byte, then per entry a name selector (layout only), an
attribute count, and per attribute a name selector, a length (0xFF: two more bytes,
little-endian, 12 bits used) and two bytes per UTF-16 unit. Run it again after changing that layout.
"""
import binascii
import os
import struct
import sys

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus')

RES_NAMES = ['ResolutionID', 'Width', 'Height', 'LayoutFileName', 'height', 'LayoutFileName ', 'Language', 'language']
KEY = 9  # key i has selector KEY + i, after the entry names that are not keys
LAYOUT_ATTRS = ['DefaultBackgroundValue', 'BackgroundWidth', 'BackgroundHeight', 'ValidateWidth',
                'ValidateHeight', 'OrientationValue', 'Left', 'Top', 'Width', 'Height', 'DefaultPath']


def text(s):
    n = len(s)
    return (bytes([n]) if n < 0xFF else bytes([0xFF]) + struct.pack('<H', n)) + s.encode('utf-16-le')


def attrs(names, pairs):
    return bytes([len(pairs)]) + b''.join(bytes([names.index(n)]) + text(v) for n, v in pairs)


def res_entry(*pairs):
    return attrs(RES_NAMES, pairs)


def layout_entry(selector, *pairs):
    return bytes([selector]) + attrs(LAYOUT_ATTRS, pairs)


def entries(flags, items):
    return bytes([flags, len(items) - 1]) + b''.join(items)


def write(folder, name, data):
    os.makedirs(os.path.join(ROOT, folder), exist_ok=True)
    with open(os.path.join(ROOT, folder, name), 'wb') as f:
        f.write(data)


def resolution_seeds():
    two = [res_entry(('ResolutionID', '1'), ('Width', '320'), ('Height', '240'), ('LayoutFileName', 'qvga.xml')),
           res_entry(('ResolutionID', '2'), ('Width', '640'), ('Height', '480'), ('LayoutFileName', 'vga.xml'))]
    write('resolution_entry', 'languages', entries(0, [
        res_entry(('Height', '240'), ('LayoutFileName', 'q.xml'), ('Language', 'de')),
        res_entry(('Height', '480'), ('Language', 'xx'), ('Language', 'fr')),
        res_entry(('Language', 'DE'), ('Language', 'd\u0165'))]))
    write('resolution_entry', 'qvga_and_vga', entries(0, two))
    write('resolution_entry', 'out_of_memory', entries(1, two[:1]))
    write('resolution_entry', 'odd_values', entries(0, [
        res_entry(('Height', '  240px'), ('Height', '-5')),
        res_entry(('Height', '99999999999'), ('LayoutFileName', 'x' * 300)),
        res_entry(),
        res_entry(('Height', '239'), ('LayoutFileName', 'a.xml'), ('LayoutFileName', 'b.xml'))]))


def layout_seeds():
    key_q = layout_entry(KEY + 16, ('Left', '10'), ('Top', '20'), ('Width', '30'), ('Height', '40'),
                         ('DefaultPath', 'q.bmp'))
    write('layout_entry', 'landscape_design', entries(0, [
        layout_entry(1, ('OrientationValue', '4')),
        layout_entry(0, ('DefaultBackgroundValue', '1'), ('BackgroundWidth', '320'), ('BackgroundHeight', '240'),
                     ('ValidateWidth', '320'), ('ValidateHeight', '240')),
        layout_entry(2, ('DefaultPath', 'char.bmp')),
        layout_entry(5, ('Left', '0'), ('Top', '0'), ('Width', '320'), ('Height', '60')),
        key_q]))
    write('layout_entry', 'portrait_design', entries(0, [
        layout_entry(1, ('OrientationValue', '5')),
        layout_entry(0, ('BackgroundWidth', '240'), ('BackgroundHeight', '320')),
        layout_entry(KEY + 83, ('Left', '200'), ('Top', '300'), ('Width', '40'), ('Height', '20'),
                     ('DefaultPath', '\u20ac' * 5 + '.bmp'))]))
    write('layout_entry', 'hostile_numbers', entries(0, [
        layout_entry(KEY, ('Left', '2147483647'), ('Width', '2147483647'), ('Top', '-2147483648'), ('Height', '-1')),
        layout_entry(0, ('BackgroundWidth', '-2147483648'), ('BackgroundHeight', '2147483647')),
        layout_entry(KEY + 1, ('DefaultPath', 'p' * 600)),
        layout_entry(7, ('Left', '1'))]))
    write('layout_entry', 'out_of_memory', entries(1, [key_q]))


def plain_seeds():
    for name, value in [('plain', b'240'), ('signed', b'  -17px'), ('overflow', b'99999999999999999999'),
                        ('min', b'-2147483648'), ('none', b'abc'), ('wide', '  +42'.encode('utf-16-le'))]:
        write('skin_number', name, value)
    for name, value in [('none', 'abc'), ('some', 'a&b&&c&'), ('only', '&' * 40), ('wide', '\u00e9&\u20ac')]:
        write('double_ampersands', name, value.encode('utf-16-le'))


def options_seeds():
    silver = struct.pack('<II', 1, 10) + 'Silver.xml'.encode('utf-16-le')
    for name, tail in [('accents_off', struct.pack('<I', 0)), ('accents_on', struct.pack('<I', 1)),
                       ('accents_cut_short', bytes(3)), ('accents_then_more', bytes(4) + b'\x07'),
                       ('words', struct.pack('<I', 1) + bytes([0, 3, 4, 0, 1, 2])),
                       ('words_cut', struct.pack('<I', 1) + bytes([1, 4])),
                       ('words_out_of_range', struct.pack('<I', 0) + bytes([9, 0, 5, 0xFF, 0xFE, 6])),
                       ('words_then_more', struct.pack('<I', 1) + bytes([1, 1, 1, 1, 1, 5, 0xAA]))]:
        write('options_reader', name, silver + tail)


def user_word_record(word, uses, last, extra=b''):
    body = struct.pack('<IIB', uses, last, len(word)) + word.encode('utf-16-le') + extra
    record = struct.pack('<H', len(body) + 4) + body
    return record + struct.pack('<I', binascii.crc32(record))


def user_words_seeds():
    two = user_word_record('Zarn', 3, 9) + user_word_record('gr\u00fc\u00dfe', 1, 4)
    header = b'BVUW' + struct.pack('<HHI', 1, 12, 9)
    write('user_words', 'two_words', header + two)
    write('user_words', 'torn', (header + two)[:-3])
    write('user_words', 'later_version', b'BVUW' + struct.pack('<HHI', 2, 14, 9) + b'\x07\x07' +
          user_word_record('one', 3, 9, b'\x01\x02') + two)
    write('user_words', 'passed_over', header + user_word_record('zero', 0, 1) + user_word_record('One', 2, 5) +
          user_word_record('one', 3, 9) + user_word_record('a\tb', 1, 2))


if __name__ == '__main__':
    user_words_seeds()
    options_seeds()
    resolution_seeds()
    layout_seeds()
    plain_seeds()
