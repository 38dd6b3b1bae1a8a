#!/usr/bin/env python3
"""Checks the skin checker against deliberately broken skins.

Copies skincheck.exe and one shipped skin (the control) into a stage folder, writes one
broken copy of that skin per fault, runs the checker on all of them under Wine, and
demands that every broken skin fails with its fault reported (file, entry and words),
while the untouched control passes.

usage: broken_skins.py BIN_DIR STAGE_DIR WINE_RUN WINE_STATE [SKIN]
"""
import os
import re
import shutil
import struct
import zlib
import subprocess
import sys


class Skin:
    """One broken copy of the control skin: its index text, layout texts and folder."""

    def __init__(self, stage, control, name):
        self.name = name
        self.folder = os.path.join(stage, 'skins', name)
        shutil.copytree(os.path.join(stage, 'skins', control), self.folder)
        shutil.copy(os.path.join(stage, 'skins', control + '.xml'), os.path.join(stage, 'skins', name + '.xml'))
        self.index_path = os.path.join(stage, 'skins', name + '.xml')

    def layouts(self):
        text = open(self.index_path, encoding='utf-8').read()
        return re.findall(r'LayoutFileName="([^"]+)"', text)

    def edit_index(self, change):
        text = open(self.index_path, encoding='utf-8').read()
        open(self.index_path, 'w', encoding='utf-8').write(change(text))

    def edit_layout(self, change, which=0):
        path = os.path.join(self.folder, self.layouts()[which])
        text = open(path, encoding='utf-8').read()
        new = change(text)
        assert new != text, 'fault %s changed nothing' % self.name
        open(path, 'w', encoding='utf-8').write(new)
        return self.layouts()[which]

    def write(self, relative, data):
        with open(os.path.join(self.folder, relative), 'wb') as f:
            f.write(data)


def entry_line(text, entry):
    match = re.search(r'^.*>%s</\w+>.*$' % re.escape(entry), text, re.M)
    assert match, entry
    return match.group(0)


def move_first_after(entry, anchor):
    def change(text):
        line = entry_line(text, entry)
        text = text.replace(line + '\n', '')
        after = entry_line(text, anchor)
        return text.replace(after, after + '\n' + line)
    return change


def attr_of(text, entry, name):
    return re.search(r'%s="([^"]*)"' % name, entry_line(text, entry)).group(1)


# Each fault: name, how to break the skin (returns the layout file it broke, if any),
# and what the report must say: (entry fragment or None, message fragment). What the
# audits make of a model is checked natively; these are the faults that only reading
# the files can show: bitmaps, missing or unreadable files, the order and exact text of
# the entries.
def faults():
    def key_before_orientation(s):
        return s.edit_layout(move_first_after('Orientation', 'char_Z'))

    def wrong_image_size(s):
        # The skin's own character background in place of a key's image.
        text = open(os.path.join(s.folder, s.layouts()[0]), encoding='utf-8').read()
        shutil.copy(os.path.join(s.folder, attr_of(text, 'CharBackground', 'DefaultPath')),
                    os.path.join(s.folder, attr_of(text, 'char_M', 'DefaultPath')))
        return s.layouts()[0]

    def missing_bitmap(s):
        text = open(os.path.join(s.folder, s.layouts()[0]), encoding='utf-8').read()
        os.remove(os.path.join(s.folder, attr_of(text, 'char_K', 'DefaultPath')))
        return s.layouts()[0]

    def unreadable_bitmap(s):
        text = open(os.path.join(s.folder, s.layouts()[0]), encoding='utf-8').read()
        s.write(attr_of(text, 'CharBackground', 'DefaultPath'), b'BM this is not a bitmap')
        return s.layouts()[0]

    def folder_for_bitmap(s):
        text = open(os.path.join(s.folder, s.layouts()[0]), encoding='utf-8').read()
        path = os.path.join(s.folder, attr_of(text, 'char_L', 'DefaultPath'))
        os.remove(path)
        os.mkdir(path)
        return s.layouts()[0]

    def no_qvga_class(s):
        s.edit_index(lambda text: re.sub(r'<\w+[^>]*Height="240"[^>]*/>\s*', '', text))
        return None

    def not_xml(s):
        with open(s.index_path, 'w') as f:
            f.write('<Skin><Resolution Height="240"')
        return None

    def layout_missing(s):
        os.remove(os.path.join(s.folder, s.layouts()[0]))
        return s.layouts()[0]

    def case_typo(s):
        return s.edit_layout(lambda text: text.replace('>char_X<', '>char_x<'))

    def unknown_language(s):
        # The checker's own reading of the attribute, beside the loader's.
        s.edit_index(lambda text: text.replace('Height="240"', 'Height="240" Language="nl"', 1))
        return None

    def undrawable_alternates(s):
        # Only the file and a real font tell whether a key's own character can be drawn.
        return s.edit_layout(lambda text: text.replace('>char_E<', ' Alternates="&#xE9;&#xE000;">char_E<'))

    return [
        ('KeyBeforeOrientation', key_before_orientation, 'error', '"char_A"', 'comes before "Orientation"'),
        ('ImageSize', wrong_image_size, 'error', '"char_M"', 'is 320x240 but the key is'),
        ('BitmapMissing', missing_bitmap, 'error', '"char_K"', 'is not in the skin folder'),
        ('BitmapUnreadable', unreadable_bitmap, 'error', '"CharBackground"', 'cannot be read as a Windows bitmap'),
        ('BitmapFolder', folder_for_bitmap, 'error', '"char_L"', 'is a folder, not a bitmap'),
        ('NoQvgaLayout', no_qvga_class, 'error', None, 'has no layout for QVGA screens'),
        ('IndexNotXml', not_xml, 'error', None, 'cannot be read as an XML document'),
        ('LayoutMissing', layout_missing, 'error', None, 'is not in the skin folder'),
        ('CaseTypo', case_typo, 'warning', '"char_x"', 'names are case-sensitive: "char_X"'),
        ('LanguageUnknown', unknown_language, 'warning', 'child 2', 'its Language "nl" names none of the word lists'),
        ('AlternatesUndrawable', undrawable_alternates, 'error', '"char_E"',
         "hold U+E000, which the keys' label font has no glyph for"),
    ]


def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    if head[:8] != b'\x89PNG\r\n\x1a\n':
        return None
    return struct.unpack('>II', head[16:24])


def png_rows(path):
    """The rows of an 8-bit RGB or RGBA PNG as RGB bytes, with the row filters undone."""
    with open(path, 'rb') as f:
        data = f.read()
    width, height, depth, colour = struct.unpack('>IIBB', data[16:26])
    if depth != 8 or colour not in (2, 6):
        raise ValueError('%s: %d-bit colour type %d is not read here' % (path, depth, colour))
    pos, idat = 8, b''
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        if kind == b'IDAT':
            idat += data[pos + 8:pos + 8 + length]
        pos += 12 + length
    raw = zlib.decompress(idat)
    bpp = 3 if colour == 2 else 4
    stride = bpp * width
    rows, prior = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = row[i - bpp] if i >= bpp else 0
            b = prior[i]
            c = prior[i - bpp] if i >= bpp else 0
            if kind == 1:
                row[i] = (row[i] + a) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + b) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        prior = row
        rows.append(bytes(row) if bpp == 3 else bytes(v for x in range(width) for v in row[4 * x:4 * x + 3]))
    return rows


def dark_box(rows, left, top, right, bottom):
    """The bounding box (width, height) of the dark pixels inside a rectangle."""
    xs, ys = [], []
    for y in range(top, bottom):
        row = rows[y]
        for x in range(left, right):
            if sum(row[3 * x:3 * x + 3]) < 3 * 96:
                xs.append(x)
                ys.append(y)
    return (max(xs) - min(xs) + 1, max(ys) - min(ys) + 1) if xs else (0, 0)


def check_render_text(folder, control):
    """The sample text of the edit view runs along the long side when the keyboard is
    turned: on 240x320, left hand, Silver's edit view (design 5,6 214x89 on a 320x240
    landscape design) lies at x 6..95, y 100..315 and its text is far taller than wide."""
    path = os.path.join(folder, '%s_240x320_left_characters_plain.png' % control)
    if control != 'Silver' or not os.path.exists(path):
        return []
    width, height = dark_box(png_rows(path), 6, 100, 96, 316)
    if height < 40 or height < 3 * width:
        return ['render: the edit view text on 240x320 (left hand) is not turned: its ink is %dx%d' % (width, height)]
    return []


def check_render(stage, control, wine_run, wine_state):
    """--render draws 3 views x 3 latch states for each of 8 screens and 2 hands; the
    pictures have the size the keyboard shows, and a latched key changes the picture."""
    folder = os.path.join(stage, 'render')
    run = subprocess.run([wine_run, '--state', wine_state, '--screen', '800x800', os.path.join(stage, 'skincheck.exe'),
                          '--render', 'render', control + '.xml'],
                         cwd=stage, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=1800)
    problems = []
    if run.returncode != 0:
        problems.append('render run: exit code %d' % run.returncode)
    names = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    if len(names) != 8 * 2 * 9:
        problems.append('render: %d pictures, expected 144' % len(names))
    for name in names:
        screen = re.match(r'^%s_(\d+)x(\d+)_' % re.escape(control), name)
        size = png_size(os.path.join(folder, name))
        if not screen or not size:
            problems.append('render: %s is no PNG of a screen' % name)
            continue
        width, height = int(screen.group(1)), int(screen.group(2))
        # The keyboard fills the screen's width on the shipped skins' own classes.
        if size[0] > width or size[1] > height:
            problems.append('render: %s is %dx%d, larger than the screen' % ((name,) + size))
    for screen in ('240x320', '800x480'):
        plain = os.path.join(folder, '%s_%s_left_characters_plain.png' % (control, screen))
        caps = os.path.join(folder, '%s_%s_left_characters_caps.png' % (control, screen))
        if os.path.exists(plain) and os.path.exists(caps) and open(plain, 'rb').read() == open(caps, 'rb').read():
            problems.append('render: caps lock latched draws the same picture as plain on %s' % screen)
    return problems + check_render_text(folder, control)


def main():
    bin_dir, stage, wine_run, wine_state = sys.argv[1:5]
    control = sys.argv[5] if len(sys.argv) > 5 else 'Silver'
    shutil.rmtree(stage, ignore_errors=True)
    os.makedirs(os.path.join(stage, 'skins'))
    shutil.copy(os.path.join(bin_dir, 'skincheck.exe'), stage)
    shutil.copytree(os.path.join(bin_dir, 'skins', control), os.path.join(stage, 'skins', control))
    shutil.copy(os.path.join(bin_dir, 'skins', control + '.xml'), os.path.join(stage, 'skins'))

    expected = []
    for name, breaker, severity, entry, message in faults():
        skin = Skin(stage, control, name)
        layout = breaker(skin)
        file = '%s\\%s' % (name, layout) if layout else name + '.xml'
        expected.append((name, file, severity, entry, message))

    # Every fault and the control, on every supported screen and for both hands.
    run = subprocess.run([wine_run, '--state', wine_state, '--screen', '800x800',
                          os.path.join(stage, 'skincheck.exe')],
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=1800)
    report = run.stdout.decode('utf-8', 'replace')
    lines = report.splitlines()
    problems = []
    if run.returncode != 1:
        problems.append('exit code %d, expected 1 (errors found)' % run.returncode)
    summary = {m.group(1): (int(m.group(2)), int(m.group(3)))
               for m in (re.match(r'^(\S+\.xml): (\d+) error\(s\), (\d+) warning\(s\)$', l) for l in lines) if m}
    if summary.get(control + '.xml', (1, 0))[0] != 0:
        problems.append('the untouched %s.xml was not passed' % control)
    for name, file, severity, entry, message in expected:
        prefix = '%s: %s' % (severity, file)
        found = [l for l in lines if l.startswith(prefix + (', ' if entry else ': '))
                 and (entry is None or entry in l.split(': ', 2)[1]) and message in l]
        if not found:
            problems.append('%s: no "%s" finding for %s %s saying "%s"' % (name, severity, file, entry or '', message))
        if severity == 'error' and summary.get(name + '.xml', (0, 0))[0] == 0:
            problems.append('%s: reported no errors' % name)
    problems += check_render(stage, control, wine_run, wine_state)
    print('%d broken skins checked, %d problems' % (len(expected), len(problems)))
    for p in problems:
        print('  ' + p)
    if problems:
        print('--- checker report ---')
        print(report)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
