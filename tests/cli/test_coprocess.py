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


def send(child, line):
    child.stdin.write(line.encode())
    child.stdin.flush()


def test_answers_each_row_before_the_next_is_sent(program):
    send(program, INPUTS + "\r\n")
    header = program.stdout.readline().decode()
    assert header.startswith(INPUTS + ",pevap,")
    qg = header.rstrip("\n").split(",").index("Qg")
    for i in range(1000):
        # Blank lines and rows of empty cells get no answer; a lone CR waits for its LF.
        if i % 100 == 0:
            send(program, "\n,,,,,\r\n")
        send(program, f"-25,15,0.1,0.9,{i},10\r\n" if i % 2 else f"-25,15,0.1,0.9,{i},10\n")
        row = program.stdout.readline().decode().split(",")
        assert row[4] == str(i)
        assert float(row[qg]) == pytest.approx(490.7 - i, abs=0.051)
    program.stdin.close()
    assert program.stdout.read() == b""
    assert program.wait() == 0


def test_a_malformed_row_ends_the_run(program):
    send(program, INPUTS + "\n-25,15,0.1,0.9,500,10\n")
    program.stdout.readline()
    assert program.stdout.readline().decode().split(",")[4] == "500"
    send(program, "1,2\n")
    assert program.wait() == 2
    assert b"line 3: 2 cell(s) where the header has 6" in program.stderr.read()
