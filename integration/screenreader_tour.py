#!/usr/bin/python3
"""A blind user's tour of one program with the real Orca screen reader.

    screenreader_tour.py ORCA_TRANSCRIPT BIN_DIR PROGRAM

Runs PROGRAM from BIN_DIR headless under Orca through ORCA_TRANSCRIPT (which
starts Xvfb, the accessibility bus, speech-dispatcher and Orca and records
what Orca speaks), sends the tour's keys one step at a time and checks that
each expected phrase is spoken, in the tour's order, no earlier than the key
it follows. Exits non-zero, naming the first phrase not heard and printing
the transcript, when one is missing.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile

# Each tour: (key, phrase Orca must speak after it, or "" for none). The
# picture and the PRG file are the sample picture beside the programs.
TOURS = {
    "Slivra": [
        ("start", "PRG file text"),
        ("type:sample.prg", "PRG info: File size: 10050 bytes"),
        ("Tab", "Browse for the PRG file push button"),
        ("Tab", "Output file text"),
        ("type:out.bin", ""),
        ("Tab", "PRG info read only text"),
        ("Tab", "Extract start text"),
        ("type:5800", ""),
        ("Tab", "Extract end text"),
        ("type:5bff", ""),
        ("Tab", "Include location bytes check box"),
        ("Tab", "Extract data push button"),
        ("space", "Conversion finished. 1024 bytes converted."),
        ("Return", "Extract data push button"),
        ("shift+Tab*2", "5bff selected"),
    ],
    "Nembra": [
        ("start", "PRG file text"),
        ("type:sample.prg", "PRG info: File size: 10050 bytes"),
        ("Tab", "Browse for the PRG file push button"),
        ("Tab", "Output file text"),
        ("type:out.txt", ""),
        ("Tab", "PRG info read only text"),
        ("Tab", "Values per row (1-32) text"),
        ("Tab", "Limit read to check box"),
        ("space", "checked"),
        ("Tab", "Limit start text"),
        ("type:5800", ""),
        ("Tab", "Limit end text"),
        ("type:58ff", ""),
        ("Tab", "Read PRG push button"),
        ("space", "Conversion finished. 256 bytes converted."),
    ],
    "Pixmoth": [
        ("start", "Hex"),
        ("ctrl+l", "File name: text"),
        ("type:{dir}/sample.prg", ""),
        ("Return", ""),
        ("sleep:1", ""),
        ("Right", "x=24, y=0"),
        ("Down", "x=24, y=21"),
        ("Tab*3", "$d025 [none] combo box"),
        ("alt+Down", ""),
        ("Down", ""),
        ("Return", "$d025 Black combo box"),
        ("alt+g", "Sprite output frame"),
    ],
}


def main():
    if len(sys.argv) != 4 or sys.argv[3] not in TOURS:
        sys.exit("usage: screenreader_tour.py ORCA_TRANSCRIPT BIN_DIR %s" % "|".join(TOURS))
    transcript_tool, bin_dir, program = sys.argv[1:]
    if not os.path.isfile(transcript_tool):
        sys.exit("the Orca transcript tool is not at %s; set FELGROVE_ORCA_TRANSCRIPT" % transcript_tool)
    tour = TOURS[program]
    with tempfile.TemporaryDirectory(prefix="tour-") as work:
        shutil.copy(os.path.join(bin_dir, "sample.prg"), work)
        keys = [key.replace("{dir}", work) for key, _ in tour[1:]]
        # Another run on this machine may take the free display just found;
        # the tool then fails before the program starts, and is run again.
        for _ in range(3):
            run = subprocess.run(
                [sys.executable, transcript_tool, "--format", "json", "--cwd", work,
                 "--max-wait", "15", "--set", "enableKeyEcho=false",
                 os.path.join(bin_dir, program)] + keys,
                capture_output=True, text=True, timeout=600)
            if "did not start" not in run.stderr:
                break
    if run.returncode != 0:
        sys.exit("the transcript tool failed:\n" + run.stderr)
    spoken = [(r["step_no"], " ".join(r["text"].split()))
              for r in json.loads(run.stdout) if r["kind"] == "speak"]
    # Step n of the transcript is the tour's row n ("start" is row 0); a
    # repeated key ("Tab*3") counts as its last repetition.
    step = 0
    rows = []
    for key, phrase in tour:
        if "*" in key and key != "start":
            step += int(key.rsplit("*", 1)[1]) - 1
        rows.append((step, key, phrase))
        step += 1
    heard = 0
    for step, key, phrase in rows:
        if not phrase:
            continue
        found = next((i for i in range(heard, len(spoken))
                      if spoken[i][0] >= step and phrase in spoken[i][1]), None)
        if found is None:
            print("\n".join("%3d  %s" % s for s in spoken))
            sys.exit('not heard after "%s": "%s"' % (key, phrase))
        heard = found + 1
    print("heard all %d phrases" % sum(1 for _, _, p in rows if p))


if __name__ == "__main__":
    main()
