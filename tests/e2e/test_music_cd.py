"""Music from a CD, played by the platform's own CD audio driver and heard
through the captured sound card.

The drive is the tests' emulated one (tools/emulated_cd_drive.cpp, loaded into
Wine with LD_PRELOAD): drive D: is a CD drive whose disc is an image made here.
Each audio track is three steps of a pure tone, every step of the disc at a
pitch of its own, so the captured sound tells which track and step played, in
which order, and whether a step was cut short. Every case runs on a drive that
reports its play position while it is read and on one that reports none.
"""

from __future__ import annotations

import array
import contextlib
import math
import os
import random
import subprocess
import time
import unittest
from pathlib import Path

from harness import (AUDIO_FRAME_BYTES, AUDIO_RATE, PREFIX, RENDERER_TITLE, SAVER_FILE,
                     WineSession, wait_until)
from settings_file import write_settings
from test_music import Sound, end_run, mark

CD_DRIVE = Path(os.environ.get("VELMORA_CD_DRIVE", Path(__file__).resolve().parents[2] /
                               "build/windows/tests/e2e/emulated_cd_drive.so")).resolve()
DRIVES = ("reported", "hidden")  # does the drive report its position while it is read?

SECTOR_FRAMES = 588  # sound frames in one 2,352-byte sector
STEP_SECTORS = 40  # 0.53 s
STEPS = 3
STEP_SECONDS = STEP_SECTORS * SECTOR_FRAMES / AUDIO_RATE
WINDOW = 0.1  # seconds of sound judged at a time


def step_hertz(track: int, step: int) -> float:
    """Each step of each track at a pitch of its own, a fifth of an octave or more apart."""
    return 300 * 1.2 ** ((track - 1) * STEPS + step)


def write_disc(path: Path, kinds: list[str]) -> str:
    """The disc image of tracks of these kinds ("audio" or "data"); returns its
    table of contents as the drive reads it. A data track is loud noise, so a
    data track played as music would be heard."""
    noise = random.Random(1)
    with path.open("wb") as image:
        for track, kind in enumerate(kinds, start=1):
            frames = array.array("h")
            for step in range(STEPS):
                for i in range(STEP_SECTORS * SECTOR_FRAMES):
                    if kind == "audio":
                        v = int(16000 * math.sin(2 * math.pi * step_hertz(track, step) * i / AUDIO_RATE))
                    else:
                        v = noise.randint(-30000, 30000)
                    frames.extend((v, v))
            image.write(frames.tobytes())
    return ",".join(f"{kind}:{STEPS * STEP_SECTORS}" for kind in kinds)


def steps_heard(sound: Sound) -> list[tuple[object, float]]:
    """What played, as (label, seconds) in order: a label is (track, step), "?"
    for sound at no step's pitch, None for silence. A window that straddles
    two steps is left out."""
    size = int(WINDOW * AUDIO_RATE)
    labels = []
    for i in range(0, len(sound.left) - size + 1, size):
        window = Sound(b"")
        window.left = sound.left[i:i + size]
        label = None
        if len(window.tone()) > size // 2:
            hertz = window.pitch()
            label = next(((t, s) for t in range(1, 10) for s in range(STEPS)
                          if abs(hertz - step_hertz(t, s)) < step_hertz(t, s) * 0.03), "?")
        labels.append(label)
    runs: list[list] = []
    for label in labels:
        if runs and runs[-1][0] == label:
            runs[-1][1] += 1
        else:
            runs.append([label, 1])
    steady = [run for run in runs if run[1] > 1]
    merged: list[list] = []
    for label, count in steady:
        if merged and merged[-1][0] == label:
            merged[-1][1] += count
        else:
            merged.append([label, count])
    return [(label, count * WINDOW) for label, count in merged]


class CdRun:
    """One saver run with the CD chosen: its sound during the run, and after the
    run's end (from half a second after its process ended)."""

    def __init__(self, test: unittest.TestCase, s: WineSession, folder: Path, seconds: float,
                 sounding: bool):
        start = mark(s)
        proc = s.start(folder / SAVER_FILE, "/s", cwd=folder)
        s.wait_window(RENDERER_TITLE, timeout=60)
        if sounding:
            test.assertTrue(wait_until(lambda: Sound(s.audio_bytes(start)).tone(), 60), "no sound came")
        time.sleep(seconds)
        end_run(test, s, proc)
        ended = mark(s)
        time.sleep(2.5)
        self.during = Sound(s.audio_bytes(start, ended))
        self.after = Sound(s.audio_bytes(ended + AUDIO_RATE // 2 * AUDIO_FRAME_BYTES))
        self.heard = steps_heard(self.during)


class MusicCdTest(unittest.TestCase):
    @contextlib.contextmanager
    def drive_session(self):
        """A session whose drive D: is the emulated CD drive."""
        # Only the sound is judged: a small screen keeps the renderer's share of
        # the processors small.
        with WineSession(width=320, height=240, audio=True, name=f"cd-{self._testMethodName}") as s:
            s.env["LD_PRELOAD"] = str(CD_DRIVE)
            subprocess.run(["wine", "reg", "add", r"HKLM\Software\Wine\Drives", "/v", "d:", "/t",
                            "REG_SZ", "/d", "cdrom", "/f"], env=s.env, check=True, capture_output=True,
                           timeout=120)
            empty, self.image = s.temp_dir / "cd-root", s.temp_dir / "disc.bin"
            empty.mkdir()
            self.image.touch()
            for name, target in (("d:", empty), ("d::", self.image)):
                link = PREFIX / "dosdevices" / name
                link.unlink(missing_ok=True)
                link.symlink_to(target)
            s.restart_wine()  # the drive's type is read when the server starts
            yield s

    def play(self, s: WineSession, drive: str, kinds: list[str] | None, track: int, seconds: float,
             sounding: bool = True) -> CdRun:
        """A run with this disc in the drive (None: no disc) and this track chosen (0: none)."""
        s.env.update(VELMORA_CD_IMAGE=str(self.image), VELMORA_CD_POSITION=drive,
                     VELMORA_CD_TRACKS=write_disc(self.image, kinds) if kinds else "")
        folder = s.install_copy()
        write_settings(folder, 1, track, "")
        run = CdRun(self, s, folder, seconds, sounding)
        self.assertEqual(run.after.tone_seconds(), 0.0, "sound after the run ended")
        return run

    def assert_plays_in_order(self, run: CdRun, order: list[tuple[int, int]], at_least: int) -> None:
        """The steps heard follow `order` round and round from its start, at least
        `at_least` of them, each heard once and whole but the last (the run's end cuts it)."""
        heard: list[list] = []
        for label, seconds in run.heard:  # a break in the sound does not end a step
            if heard and heard[-1][0] == label:
                heard[-1][1] += seconds
            elif label is not None:
                heard.append([label, seconds])
        labels = [label for label, _ in heard]
        expected = [order[i % len(order)] for i in range(len(labels))]
        self.assertEqual(labels, expected, run.heard)
        self.assertGreaterEqual(len(labels), at_least, run.heard)
        for label, seconds in heard[:-1]:
            self.assertGreater(seconds, STEP_SECONDS - 2.5 * WINDOW, f"{label} cut short: {run.heard}")
        for label, seconds in heard:
            self.assertLess(seconds, STEP_SECONDS + 2 * WINDOW, f"{label} started again: {run.heard}")
        # From its first sound to the run's end the music is heard but for short restarts.
        self.assertGreater(run.during.tone_seconds(), 0.8 * len(run.during.left) / AUDIO_RATE, run.heard)

    def test_without_a_chosen_track_the_disc_plays_round(self):
        disc = [(t, s) for t in (1, 2, 3) for s in range(STEPS)]
        with self.drive_session() as s:
            for drive in DRIVES:
                with self.subTest(drive=drive, disc="music"):
                    run = self.play(s, drive, ["audio"] * 3, 0, seconds=3 * STEPS * STEP_SECONDS + 2.0)
                    self.assert_plays_in_order(run, disc, len(disc) + 2)
                with self.subTest(drive=drive, disc="data first"):
                    run = self.play(s, drive, ["data", "audio", "audio"], 0, seconds=2.0)
                    self.assert_plays_in_order(run, disc[STEPS:], STEPS)

    def test_a_chosen_track_repeats_whole(self):
        with self.drive_session() as s:
            for drive in DRIVES:
                with self.subTest(drive=drive):
                    run = self.play(s, drive, ["audio"] * 3, 2, seconds=2 * STEPS * STEP_SECONDS + 1.2)
                    self.assert_plays_in_order(run, [(2, 0), (2, 1), (2, 2)], 2 * STEPS + 1)

    def test_no_disc_or_a_track_it_lacks_stays_silent(self):
        with self.drive_session() as s:
            for drive in DRIVES:
                for name, kinds, track in (("no disc", None, 0), ("track 5 of 3", ["audio"] * 3, 5)):
                    with self.subTest(drive=drive, case=name):
                        run = self.play(s, drive, kinds, track, seconds=2.5, sounding=False)
                        self.assertEqual(run.during.tone_seconds(), 0.0, "the run played sound")


if __name__ == "__main__":
    unittest.main()
