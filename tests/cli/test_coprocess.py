"""c3f8calc-cli as a co-process: one row sent, its answer read, the next row sent.

The program is started as C3F8CALC_CLI says (a command line, split at blanks, so that
"wine c3f8calc-cli.exe" serves as well). A row that got no answer would hang this test until
its time limit, which ctest sets for the whole of it.
"""
import os
import shlex
import subprocess

import pytest

INPUTS = "tevap,tsub,x_we,x_wy,Qw,m"


@pytest.fixture
def program():
    command = shlex.split(os.environ["C3F8CALC_CLI"]) + ["--input", "-"]
    child = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE)
    yield child
    child.kill()
    child.wait()


def send(child, data):
    child.stdin.write(data if isinstance(data, bytes) else data.encode())
    child.stdin.flush()


def test_answers_each_row_before_the_next_is_sent(program):
    # The byte order mark in pieces, as a pipe may bring it.
    send(program, b"\xef")
    send(program, b"\xbb\xbf" + INPUTS.encode() + b"\r\n")
    header = program.stdout.readline().decode()
    assert header.startswith(INPUTS + ",pevap,")
    columns = header.rstrip("\n").split(",")
    qw, qg = columns.index("Qw"), columns.index("Qg")
    for i in range(1000):
        # Blank lines and rows of empty cells get no answer; a lone CR waits for its LF.
        if i % 100 == 0:
            send(program, "\n,,,,,\r\n")
        send(program, f"-25,15,0.1,0.9,{i},10\r\n" if i % 2 else f"-25,15,0.1,0.9,{i},10\n")
        row = program.stdout.readline().decode().split(",")
        assert row[qw] == str(i)
        assert float(row[qg]) == pytest.approx(490.7 - i, abs=0.051)
    program.stdin.close()
    assert program.stdout.read() == b""
    assert program.wait() == 0


def test_a_malformed_row_ends_the_run(program):
    send(program, INPUTS + "\n-25,15,0.1,0.9,500,10\n")
    columns = program.stdout.readline().decode().split(",")
    assert program.stdout.readline().decode().split(",")[columns.index("Qw")] == "500"
    send(program, "1,2\n")
    assert program.wait() == 2
    assert b"line 3: 2 cell(s) where the header has 6" in program.stderr.read()
