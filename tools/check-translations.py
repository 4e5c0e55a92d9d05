#!/usr/bin/env python3
"""Fails when a window text slips past the translations.

1. lupdate is run over the sources into copies of translations/*.ts: a copy that differs from the
   file means a text was added, changed or dropped without the .ts files being brought up to date
   (tools/update-translations.sh does that), and an "unfinished" entry is a text not yet translated.
2. Every translation keeps its source's place markers (%1, %n) and line breaks.
3. A user-visible QStringLiteral handed to a window text setter in gui/ is a text outside tr().
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
lupdate = sys.argv[1] if len(sys.argv) > 1 else '/usr/lib/qt6/bin/lupdate'
problems = []

# The options every run of lupdate uses, here and in tools/update-translations.sh.
LUPDATE_OPTIONS = ['-silent', '-I', '.', '-locations', 'none', '-no-obsolete']
SOURCE_FOLDERS = ['gui', 'core', 'app']


def text_of(element):
    """The element's text with lupdate's <byte value="xd"/> line breaks put back."""
    if element is None:
        return ''
    return (element.text or '') + ''.join('\r' + (child.tail or '') for child in element if child.tag == 'byte')


def markers(text):
    return sorted(re.findall(r'%(?:\d+|n|L\d+|Ln)', text)), text.count('\r')


ts_files = sorted(f for f in os.listdir(os.path.join(root, 'translations')) if f.endswith('.ts'))
with tempfile.TemporaryDirectory() as scratch:
    for name in ts_files:
        committed = os.path.join(root, 'translations', name)
        copy = os.path.join(scratch, name)
        shutil.copy(committed, copy)
        language = re.search(r'_(\w+)\.ts$', name).group(1)
        subprocess.run([lupdate, *LUPDATE_OPTIONS, '-target-language', language, *SOURCE_FOLDERS, '-ts', copy],
                       cwd=root, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if open(copy, encoding='utf-8').read() != open(committed, encoding='utf-8').read():
            problems.append(f'translations/{name} is not up to date with the sources: run tools/update-translations.sh')
        for context in ET.parse(copy).getroot().iter('context'):
            where = context.findtext('name')
            for message in context.iter('message'):
                source = text_of(message.find('source'))
                translation = message.find('translation')
                if translation.get('type') == 'unfinished':
                    problems.append(f'{name}: {where}: "{source}" is not translated')
                    continue
                forms = translation.findall('numerusform') or [translation]
                for form in forms:
                    expected = markers(source)
                    found = markers(text_of(form))
                    # A singular form may say "one" where the source counts with %n.
                    if found != expected and not (len(forms) > 1 and form is forms[0]):
                        problems.append(f'{name}: {where}: "{text_of(form)}" does not keep the markers of "{source}"')

# Calls that put a text in front of the user; the literal must come through tr().
SHOWN = re.compile(r'\b(setText|setWindowTitle|setToolTip|setAccessibleName|setPlaceholderText|setStatusTip|addAction|'
                   r'addMenu|addMenuItem|showMessage|setHorizontalHeaderLabels|makeButton|makeLabel|makeOption|'
                   r'makeCheckBox|makeTextField|makeShownField|makeList|QPushButton|QLabel|QGroupBox|QCheckBox|'
                   r'QRadioButton|QMessageBox|Prompts::\w+|setTitle|addTab)\s*\(')
LITERAL = re.compile(r'QStringLiteral\(\s*"((?:[^"\\]|\\.)*)"')


def is_words(text):
    # Object names ("okButton", camel case), symbols ("...", "->"), format strings ("%1-%2") and date forms
    # ("dd-MMM-yyyy", the files' form) are no window text.
    if not re.search(r'[A-Za-z]{2,}', text) or re.fullmatch(r'[dMyHhms]+([- /.:][dMyHhms]+)*', text):
        return False
    return not re.fullmatch(r'[a-z]+[A-Z][A-Za-z0-9]*(%\d)?', text)


for folder, _, files in os.walk(os.path.join(root, 'gui')):
    for file in files:
        if not file.endswith(('.cpp', '.h')):
            continue
        path = os.path.join(folder, file)
        source = open(path, encoding='utf-8').read()
        # One statement at a time, so that a call wrapped onto several lines is seen whole.
        for statement in re.split(r';|\{|\}', re.sub(r'//[^\n]*', '', source)):
            if not SHOWN.search(statement):
                continue
            for literal in LITERAL.findall(statement):
                if is_words(literal):
                    line = source[:source.find('QStringLiteral("' + literal)].count('\n') + 1
                    problems.append(f'{os.path.relpath(path, root)}:{line}: "{literal}" is shown outside tr()')

for problem in problems:
    print(problem)
if problems:
    sys.exit(1)
print(f'{len(ts_files)} translation files complete; no window text outside tr()')
