#!/usr/bin/env python3
"""Makes the help the game reads and the help pages from the help catalogs in po/help: the
compiled catalogs help/locale/LL.mo (English from the template) and the pages
help/topic-N.html (English) and help/LL/topic-N.html. Every catalog must hold exactly the
template's texts, all translated, none fuzzy.
   make_help.py SOURCE_DIR           write them
   make_help.py SOURCE_DIR --check   compare them with what is written; exit 1 when stale"""
import filecmp, html, os, re, shutil, subprocess, sys, tempfile

LANGUAGES = ['es', 'fr', 'de', 'pt_BR', 'it', 'nl', 'pl', 'ru', 'ar']
TOPICS = ['1000', '1001', '1002']
RIGHT_TO_LEFT = {'ar'}
CLASSES = {'tip': 'tip', 'parents': 'parents'}


def read_po(path):
    """Entries as (context, original, translation, fuzzy), the header left out."""
    entries, entry, field = [], {}, None

    def close():
        if 'msgid' in entry and entry['msgid'] != '':
            entries.append((entry.get('msgctxt', ''), entry['msgid'], entry.get('msgstr', ''),
                            entry.get('fuzzy', False)))
        entry.clear()
    for line in open(path, encoding='utf-8'):
        line = line.strip()
        if line.startswith('#,') and 'fuzzy' in line:
            if 'msgid' in entry:
                close()
            entry['fuzzy'] = True
        elif line.startswith('#') or not line:
            continue
        else:
            m = re.match(r'(msgctxt|msgid|msgstr)\s+(".*")$', line)
            if m:
                if m.group(1) in ('msgctxt', 'msgid') and 'msgstr' in entry:
                    close()
                field = m.group(1)
                entry[field] = ''
                line = m.group(2)
            entry[field] += unquote(line)
    close()
    return entries


def unquote(text):
    body = text[1:-1]
    return re.sub(r'\\(.)', lambda m: {'n': '\n', 't': '\t'}.get(m.group(1), m.group(1)), body)


def check_catalog(template, path):
    """The faults of a catalog against the template, one line each."""
    wanted = {(c, o) for c, o, _, _ in template}
    faults, seen = [], set()
    for c, o, t, fuzzy in read_po(path):
        seen.add((c, o))
        if (c, o) not in wanted:
            faults.append(f'{path}: "{c}" is not in the template')
        elif not t:
            faults.append(f'{path}: "{c}" is not translated')
        elif fuzzy:
            faults.append(f'{path}: "{c}" is fuzzy')
    faults += [f'{path}: "{c}" is missing' for c, o in sorted(wanted - seen)]
    return faults


def page(lang, topic, entries):
    """One topic's page: its title, headings, paragraphs and lists, and links to the others."""
    titles = {c.split('.')[0]: t for c, _, t, _ in entries if c.endswith(' title')}
    body, open_list = [], None
    for c, _, text, _ in sorted(e for e in entries if e[0].startswith(topic + '.')):
        kind = c.split(' ')[1]
        want = {'step': 'ol', 'item': 'ul'}.get(kind)
        if open_list and open_list != want:
            body.append(f'</{open_list}>')
            open_list = None
        if want and not open_list:
            body.append(f'<{want}>')
            open_list = want
        t = html.escape(text, quote=False)
        if kind == 'title':
            body.append(f'<h1>{t}</h1>')
        elif kind == 'heading':
            body.append(f'<h2>{t}</h2>')
        elif want:
            body.append(f'<li>{t}</li>')
        else:
            cls = f' class="{CLASSES[kind]}"' if kind in CLASSES else ''
            body.append(f'<p{cls}>{t}</p>')
    if open_list:
        body.append(f'</{open_list}>')
    links = ' &middot; '.join(f'<a href="topic-{t}.html">{html.escape(titles[t])}</a>'
                              for t in TOPICS if t != topic)
    style = 'style.css' if lang == 'en' else '../style.css'
    direction = ' dir="rtl"' if lang in RIGHT_TO_LEFT else ''
    return (f'<!DOCTYPE html>\n<html lang="{lang.replace("_", "-")}"{direction}>\n<head>\n'
            f'<meta charset="utf-8">\n<title>Quorrel - {html.escape(titles[topic])}</title>\n'
            f'<link rel="stylesheet" href="{style}">\n</head>\n<body>\n' + '\n'.join(body) +
            f'\n<nav>{links}</nav>\n</body>\n</html>\n')


def make(source, out):
    po = os.path.join(source, 'po', 'help')
    template_path = os.path.join(po, 'quorrel-help.pot')
    template = read_po(template_path)
    faults = []
    for lang in LANGUAGES:
        faults += check_catalog(template, os.path.join(po, lang + '.po'))
    if faults:
        sys.exit('\n'.join(faults))
    os.makedirs(os.path.join(out, 'locale'), exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        english = os.path.join(work, 'en.po')
        subprocess.run(['msgen', '--lang=en', '-o', english, template_path], check=True)
        for lang in ['en'] + LANGUAGES:
            src = english if lang == 'en' else os.path.join(po, lang + '.po')
            subprocess.run(['msgfmt', '--check', '-o', os.path.join(out, 'locale', lang + '.mo'), src],
                           check=True)
            entries = [(c, o, o, f) for c, o, _, f in template] if lang == 'en' else read_po(src)
            folder = out if lang == 'en' else os.path.join(out, lang)
            os.makedirs(folder, exist_ok=True)
            for topic in TOPICS:
                with open(os.path.join(folder, f'topic-{topic}.html'), 'w', encoding='utf-8') as f:
                    f.write(page(lang, topic, entries))


def made_files(folder):
    return sorted(os.path.relpath(os.path.join(d, f), folder) for d, _, files in os.walk(folder)
                  for f in files if f.endswith(('.mo', '.html')))


def main():
    if len(sys.argv) not in (2, 3) or (len(sys.argv) == 3 and sys.argv[2] != '--check'):
        sys.exit(__doc__)
    source = sys.argv[1]
    help_folder = os.path.join(source, 'help')
    if len(sys.argv) == 2:
        make(source, help_folder)
        return 0
    with tempfile.TemporaryDirectory() as fresh:
        make(source, fresh)
        stale = [f for f in made_files(fresh) if not os.path.exists(os.path.join(help_folder, f))
                 or not filecmp.cmp(os.path.join(fresh, f), os.path.join(help_folder, f), shallow=False)]
        stale += [f for f in made_files(help_folder) if f not in made_files(fresh)]
    for f in stale:
        print(f'help/{f} is not what po/help makes: run tools/help/make_help.py')
    return 1 if stale else 0


if __name__ == '__main__':
    sys.exit(main())
