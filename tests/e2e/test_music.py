"""Background music of a saver run, heard through the captured sound card.

Every test installs a copy of the shipped programs in its own folder, writes a
settings file beside them, makes its sound files with sox and lame (a pure tone
of a known pitch), runs `Velmora.scr /s` for a few seconds and ends the run
with a key press. The sound card is ALSA's file plugin, so what the run played
is read back sample by sample: a file shorter than the run must be heard for
longer than it lasts and at its own pitch (the WAV loops, the MP3 starts again
after a short gap), the sound must end with the run, and the silent choices
must leave the card silent while the run still ends cleanly.
"""

from __future__ import annotations

import array
import subprocess
import time
import unittest
from pathlib import Path

from harness import (AUDIO_FRAME_BYTES, AUDIO_RATE, RENDERER_TITLE, RUN_WINDOW, SAVER_FILE,
                     WineSession, wait_until)
from settings_file import write_settings

TONE_SAMPLE = 1 << 16  # a left sample above this (in 32-bit units) is tone, not silence


def make_tone(path: Path, seconds: float, hertz: int) -> Path:
    """A stereo sine tone at half amplitude; .mp3 files are encoded with lame."""
    path.parent.mkdir(parents=True, exist_ok=True)
    is_mp3 = path.suffix.lower() == ".mp3"
    wav = path.with_name(path.stem + "-source.wav") if is_mp3 else path
    subprocess.run(["sox", "-q", "-n", "-r", "44100", "-c", "2", "-b", "16", "-t", "wav", str(wav),
                    "synth", str(seconds), "sine", str(hertz), "gain", "-6"],
                   check=True, timeout=60)
    if is_mp3:
        subprocess.run(["lame", "--quiet", "-b", "128", str(wav), str(path)], check=True, timeout=60)
        wav.unlink()
    return path


def mark(session: WineSession) -> int:
    """How far the captured sound has come, in whole frames."""
    return session.audio_mark() // AUDIO_FRAME_BYTES * AUDIO_FRAME_BYTES


class Sound:
    """The left channel of a stretch of captured sound."""

    def __init__(self, data: bytes):
        samples = array.array("i")
        samples.frombytes(data)
        self.left = samples[0::2]

    def tone(self) -> list[int]:
        return [v for v in self.left if abs(v) > TONE_SAMPLE]

    def tone_seconds(self) -> float:
        return len(self.tone()) / AUDIO_RATE

    def stretches(self, window: float = 0.05) -> list[float]:
        """Lengths in seconds of the unbroken stretches of tone (windows mostly tone)."""
        step = int(window * AUDIO_RATE)
        found, current = [], 0
        for i in range(0, len(self.left) - step + 1, step):
            toned = sum(1 for v in self.left[i:i + step] if abs(v) > TONE_SAMPLE)
            if toned > step // 2:
                current += 1
            elif current:
                found.append(current * window)
                current = 0
        if current:
            found.append(current * window)
        return found

    def pitch(self) -> float:
        """Frequency of the tone from its sign changes, silence left out."""
        tone = self.tone()
        changes = sum(1 for a, b in zip(tone, tone[1:]) if (a < 0) != (b < 0))
        return changes / 2 / (len(tone) / AUDIO_RATE) if tone else 0.0


def end_run(test: unittest.TestCase, s: WineSession, proc) -> None:
    """Ends a saver run with a key (or, should the key go astray, a movement)
    and waits for it to end by itself, as a run does once the renderer is gone."""
    s.xdotool("key", "space")
    if not wait_until(lambda: s.find_window(RENDERER_TITLE) is None, timeout=15):
        s.xdotool("mousemove", "10", "10")
        s.xdotool("mousemove", "400", "300")
    s.wait_gone(RENDERER_TITLE, timeout=20)
    test.assertEqual(s.wait_exit(proc, timeout=30), 0)
    test.assertIsNone(s.find_window(RUN_WINDOW))


class MusicRun:
    """One saver run: start it, let it play, end it with a key, keep its sound.
    A run that plays (sounding) is given its seconds from the first tone heard."""

    def __init__(self, test: unittest.TestCase, session: WineSession, folder: Path, seconds: float,
                 sounding: bool = True):
        self.test, self.s = test, session
        s = session
        start = mark(s)
        proc = s.start(folder / SAVER_FILE, "/s", cwd=folder)
        s.wait_window(RENDERER_TITLE, timeout=60)
        if sounding:
            test.assertTrue(wait_until(lambda: Sound(s.audio_bytes(start)).tone(), 60), "no tone came")
        time.sleep(seconds)
        # The last stretch that reached the card while the run was still going.
        before_end = mark(s)
        self.last = Sound(s.audio_bytes(max(start, before_end - AUDIO_RATE // 4 * AUDIO_FRAME_BYTES),
                                        before_end))
        end_run(self.test, s, proc)
        time.sleep(1.0)  # let the sound system deliver what it still held
        end = mark(s)
        self.during = Sound(s.audio_bytes(start, end))
        time.sleep(2.5)
        self.after = Sound(s.audio_bytes(end))

class MusicTest(unittest.TestCase):
    def session(self) -> WineSession:
        # Only the sound is judged: a small screen keeps the renderer's share of
        # the processors small.
        return WineSession(width=320, height=240, audio=True, name=f"music-{self._testMethodName}")

    def run_saver(self, s: WineSession, folder: Path, seconds: float, sounding: bool = True) -> MusicRun:
        return MusicRun(self, s, folder, seconds, sounding)

    def assert_heard(self, run: MusicRun, at_least: float, hertz: int) -> None:
        heard = run.during.tone_seconds()
        self.assertGreaterEqual(heard, at_least, f"only {heard:.2f} s of tone")
        self.assertAlmostEqual(run.during.pitch(), hertz, delta=hertz * 0.05)
        self.assertEqual(run.after.tone_seconds(), 0.0, "sound after the run ended")

    def assert_silent(self, run: MusicRun) -> None:
        self.assertEqual(run.during.tone_seconds() + run.after.tone_seconds(), 0.0,
                         "the run played sound")

    def test_wav_shorter_than_the_run_keeps_looping(self):
        with self.session() as s:
            folder = s.install_copy()
            wav = make_tone(s.temp_dir / "sounds" / "loop.wav", 1.5, 440)
            write_settings(folder, 2, 0, s.wine_path(wav))
            run = self.run_saver(s, folder, seconds=6)
            # 1.5 s of tone heard for well over twice its length, and still
            # sounding just before the run ended (mostly tone: a loop's seam
            # or a late buffer on a loaded machine may fall in that stretch).
            self.assert_heard(run, at_least=4.0, hertz=440)
            self.assertGreater(len(run.last.tone()), len(run.last.left) * 0.5,
                               "not sounding at the end of the run")

    def test_mp3_shorter_than_the_run_starts_again(self):
        with self.session() as s:
            folder = s.install_copy()
            mp3 = make_tone(s.temp_dir / "sounds" / "TONE.MP3", 2.0, 660)
            write_settings(folder, 2, 0, s.wine_path(mp3))
            run = self.run_saver(s, folder, seconds=9)
            # Played once, the file gives 2 s of tone; restarted, clearly more,
            # and the tone comes back after the short gap of each restart.
            self.assert_heard(run, at_least=3.2, hertz=660)
            long_stretches = [t for t in run.during.stretches() if t >= 1.0]
            self.assertGreaterEqual(len(long_stretches), 2, run.during.stretches())

    def test_path_with_blanks_plays(self):
        with self.session() as s:
            folder = s.install_copy("Velmora Saver")
            mp3 = make_tone(s.temp_dir / "My Music" / "theme song.mp3", 3.0, 550)
            wav = make_tone(s.temp_dir / "My Music" / "loop tone.Wav", 1.0, 330)
            for sound, hertz in ((mp3, 550), (wav, 330)):
                with self.subTest(sound=sound.name):
                    write_settings(folder, 2, 0, s.wine_path(sound))
                    run = self.run_saver(s, folder, seconds=4)
                    self.assert_heard(run, at_least=0.8, hertz=hertz)

    def test_silent_choices(self):
        with self.session() as s:
            folder = s.install_copy()
            wav = make_tone(s.temp_dir / "sounds" / "tone.wav", 2.0, 440)
            other = s.temp_dir / "sounds" / "tone.wave"
            other.write_bytes(wav.read_bytes())
            cases = {
                "kind 0 with a sound file": (0, 0, s.wine_path(wav)),
                "missing file": (2, 0, s.wine_path(s.temp_dir / "sounds" / "gone.mp3")),
                "other extension": (2, 0, s.wine_path(other)),
                "kind 1 without a CD drive": (1, 3, ""),
            }
            for name, (kind, track, file_text) in cases.items():
                with self.subTest(name):
                    write_settings(folder, kind, track, file_text)
                    self.assert_silent(self.run_saver(s, folder, seconds=3, sounding=False))


if __name__ == "__main__":
    unittest.main()
