#!/usr/bin/env python3
"""Random input through the driver: fixed seeds, every command answered by `ok` or an error the
command may give, nothing on stderr, and at `close` one unload and a settings file holding the
options in force. A failure is shrunk to a short script and printed.
   random_driver.py DRIVER [COMMANDS_PER_SEED] [SEED...]"""
import os, random, shutil, subprocess, sys, tempfile, time

ARRAYS = {'Dig': 4, 'Digit': 4, 'Op': 8, 'But': 21, 'Target': 10, 'Diff': 3, 'Snd': 3,
          'Rew': 2, 'LMOrder': 3, 'Cap': 3, 'CalBut': 15}
SINGLES = ['OKBut', 'BackColorSet', 'Cent', 'Form']


def element(rng, typed, quit_allowed=False):
    if rng.random() < 0.12:
        return rng.choice(SINGLES)
    name = rng.choice(list(ARRAYS))
    index = rng.randrange(ARRAYS[name])
    if name == 'But' and index in (18, 19):
        index = 20
    if name == 'But' and index == 0 and not quit_allowed:
        index = 1  # the Quit word: only near the end, or the rest would meet a closed game
    # Long typed values would make every maker figure a long one: OK after two digits.
    if name == 'CalBut' and index <= 9:
        typed[0] += 1
        if typed[0] > 2:
            index, typed[0] = 11, 0
    return f'{name}({index})'


def commands(seed, count):
    rng, typed, out = random.Random(seed), [0], ['start', 'wait 1800']
    while len(out) < count:
        r, near_end = rng.random(), len(out) > count - 40
        if r < 0.45:
            out.append('click ' + element(rng, typed, near_end))
        elif r < 0.52:
            out.append('dblclick ' + element(rng, typed))
        elif r < 0.60:
            out.append(f'clickat {rng.randrange(-20, 1300)} {rng.randrange(-20, 1000)}')
        elif r < 0.70:
            what = rng.choice(['click', 'dblclick'])
            out.append(f'queue {what} ' + element(rng, typed) if rng.random() < 0.8
                       else f'queue clickat {rng.randrange(900)} {rng.randrange(700)}')
        elif r < 0.82:
            out.append(f'wait {rng.choice([0, 1, 16, 100, 300, 1000, 3000])}')
        elif r < 0.89:
            # A whole window past the surface's bound is slow to fill in a debug build: one in
            # about two thousand commands; otherwise one side at a time is huge.
            normal = [lambda: rng.randrange(0, 4)] + [lambda: rng.randrange(100, 1700)] * 3
            huge = lambda: rng.choice([8000, 20000, 20001, 100000])
            sides = [rng.choice(normal)(), rng.choice(normal)()]
            if rng.random() < 0.15:
                sides[rng.randrange(2)] = huge()
            if rng.random() < 0.007:
                sides = [huge(), huge()]
            out.append(f'resize {sides[0]} {sides[1]}')
        elif r < 0.94:
            out.append(rng.choice(['maximize', 'minimize', 'restore']))
        else:
            out.append('events')
    return out


def allowed(command, answer):
    if answer == 'ok' or answer == 'error: closed':  # the Quit word may have closed the game
        return True
    words = command.split()
    if words[0] == 'resize':
        bad = not all(0 < int(w) <= 20000 for w in words[1:])
        return bad and answer == 'error: usage: resize W H'
    return answer == 'error: not shown' and 'clickat' not in command


def run(driver, seed, script):
    """None when the run holds every rule, else the rule it broke."""
    folder = tempfile.mkdtemp(prefix='quorrel-random-')
    try:
        with open(os.path.join(folder, 'stderr'), 'w+') as err:
            data = os.path.join(folder, 'data')
            os.mkdir(data)
            proc = subprocess.Popen([driver, '--seed', str(seed), '--data-folder', data],
                                    stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=err, text=True)
            unloads = 0

            def ask(command):
                proc.stdin.write(command + '\n')
                proc.stdin.flush()
                lines = []
                while True:
                    line = proc.stdout.readline()
                    if not line:
                        raise RuntimeError(f'driver ended at: {command}')
                    line = line.rstrip('\n')
                    if line == 'ok' or line.startswith('error:'):
                        return lines, line
                    lines.append(line)
            try:
                for command in script:
                    lines, answer = ask(command)
                    if not allowed(command, answer):
                        return f'answer: {command} -> {answer}'
                    unloads += lines.count('unload') if command == 'events' else 0
                options = [ask(f'state {f}')[0][0].split()[1:] for f in
                           ('GiveReward', 'TargetIndex', 'SoundLevel', 'OperatorSetOn')]
                state = ask('get Calc')[0][0].split('state=')[1].split()[0]
                if ask('close')[0] != ['closed']:
                    return 'close: not closed'
                unloads += ask('events')[0].count('unload')
                proc.stdin.close()
                proc.wait(60)
            except (RuntimeError, BrokenPipeError, OSError) as e:
                proc.kill()
                proc.wait()
                return f'crash: {e}'
            err.seek(0)
            if err.read().strip():
                return 'stderr: output'
            if unloads != 1 or proc.returncode != 0:
                return f'unload: {unloads} unloads, exit {proc.returncode}'
            folder_of_file = os.path.join(data, 'Brindlecove Software')
            if os.listdir(folder_of_file) != ['Quorrel.dat']:
                return f'settings: folder holds {os.listdir(folder_of_file)}'
            with open(os.path.join(folder_of_file, 'Quorrel.dat')) as f:
                saved = f.read().split()
            wanted = sum(options, []) + [state]
            if [str(int(float(v))) for v in saved[:7]] != wanted:
                return f'settings: file {saved[:7]}, game {wanted}'
            return None
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def shrink(driver, seed, script, failure, budget_s=120):
    """Drops chunks of commands while the same rule stays broken (delta debugging)."""
    kind = lambda f: f.split(':')[0] + f.split('->')[-1]
    deadline, chunks, wanted = time.time() + budget_s, 2, kind(failure)
    while chunks <= len(script) and time.time() < deadline:
        size, removed = max(len(script) // chunks, 1), False
        for start in range(0, len(script), size):
            trial = script[:start] + script[start + size:]
            result = run(driver, seed, trial)
            if result and kind(result) == wanted:
                script, removed = trial, True
                break
        chunks = max(chunks - 1, 2) if removed else chunks * 2
    return script


def main():
    driver, count = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 5000
    seeds = [int(s) for s in sys.argv[3:]] or [1, 2, 3, 4]
    total, start = 0, time.time()
    for seed in seeds:
        script = commands(seed, count)
        failure = run(driver, seed, script)
        total += len(script)
        if failure:
            print(f'seed {seed}: {failure}\nshrinking...', flush=True)
            small = shrink(driver, seed, script, failure)
            print(f'reproduction ({run(driver, seed, small)}):')
            print("printf '" + '\\n'.join(small) + f"\\n' | {driver} --seed {seed}")
            return 1
    spent = time.time() - start
    print(f'random input: {total} commands over seeds {seeds} in {spent:.1f} s, '
          f'{total / spent:.0f} commands/s, every rule held')
    return 0


if __name__ == '__main__':
    sys.exit(main())
