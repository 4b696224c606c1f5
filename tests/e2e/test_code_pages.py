"""Velmora in any folder and on any system code page, end to end.

The programs keep their texts in code page 932 and hand what the user reads
to the platform's wide calls, so the Western code page 1252 shows the same
Japanese as 932. A folder whose name ends in 表 (second byte "\\") works like
any other, and a folder the program cannot write keeps the settings in the
user's own folder.
"""

import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

import harness
from harness import JAPANESE, WESTERN, SAVER_FILE, SETTINGS_FILE, WineSession, wait_until
from settings_file import KEY_KIND, write_settings
from test_music import MusicRun, make_tone
from test_saver import IDOK, MESSAGE_TITLE, MISSING_RENDERER, WM_COMMAND
from test_settings_dialog import CANCEL, CLIENT_H, CLIENT_W, FILE_PATH, LABEL, SAVE, Dialog

FOLDER = "ソフト表"
SAVE_FAILED = "設定を保存できませんでした。 次のファイルに書き込めません："


def mount(folder: Path, *options: str) -> None:
    """A tmpfs over the folder: made read-only, it refuses even root."""
    subprocess.run(["mount", "-t", "tmpfs", *options, "tmpfs", str(folder)], check=True, timeout=30)


def unmount(folder: Path) -> None:
    # Lazily: Wine may still hold the folder open.
    subprocess.run(["umount", "-l", str(folder)], capture_output=True, timeout=30)


class CodePageTest(unittest.TestCase):
    def close_dialog(self, s, d):
        d.click_centre(CANCEL)
        self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)

    def test_programs_in_a_japanese_folder_run_and_save_there(self):
        with WineSession(name="japanese-folder") as s:
            folder = s.install_copy(FOLDER)
            d = Dialog(s, s.start(folder / SAVER_FILE, "/c"))
            d.click_centre(LABEL[1], True)
            d.click_centre(SAVE)
            self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)
            self.assertIn(KEY_KIND + b"=1\r\n", (folder / SETTINGS_FILE).read_bytes())
            MusicRun(self, s, folder, seconds=1, sounding=False)  # no CD drive here

    def test_the_dialog_on_1252_looks_as_on_932(self):
        # One folder for both sessions, so the path the dialog shows is the same.
        base = Path(tempfile.mkdtemp(prefix="velmora-code-pages-"))
        try:
            folder = base / FOLDER
            shutil.copytree(harness.DIST, folder)
            music = folder / "音楽.mp3"
            music.write_bytes(b"\0" * 64)
            write_settings(folder, 2, 0, WineSession.wine_path(music))
            shots = {}
            for locale in (JAPANESE, WESTERN):
                with WineSession(name=f"dialog-{locale}", locale=locale) as s:
                    d = Dialog(s, s.start(folder / SAVER_FILE, "/c"))
                    shots[locale] = (d.shot(locale), d.box((0, 0, CLIENT_W, CLIENT_H)))
                    path = d.box(FILE_PATH, True)
                    self.assertGreater(shots[locale][0].count(lambda p: max(p) < 60, path), 100)
                    self.close_dialog(s, d)
            (japanese, box), (western, western_box) = shots[JAPANESE], shots[WESTERN]
            self.assertEqual(box, western_box)
            self.assertLess(western.diff_count(japanese, 48, box), 20)
        finally:
            shutil.rmtree(base, ignore_errors=True)

    def test_the_missing_renderer_message_reads_in_japanese_on_1252(self):
        with WineSession(name="missing-renderer-1252", locale=WESTERN) as s:
            folder = s.install_copy(FOLDER)
            (folder / harness.RENDERER_FILE).unlink()
            proc = s.start(folder / SAVER_FILE, "/s")
            box = s.wait_visible(MESSAGE_TITLE, timeout=60)
            self.assertIn(MISSING_RENDERER, [child.title for child in s.children(box.hwnd)])
            s.probe("post", MESSAGE_TITLE, str(WM_COMMAND), str(IDOK), check=True)
            self.assertEqual(s.wait_exit(proc, timeout=30), 0)


class ReadOnlyFolderTest(unittest.TestCase):
    def test_a_choice_saved_from_a_read_only_folder_is_kept_and_used(self):
        with WineSession(name="read-only-folder", audio=True) as s:
            folder, user = s.temp_dir / "Velmora", s.user_settings_folder()
            folder.mkdir()
            user.mkdir(parents=True, exist_ok=True)
            try:
                mount(folder)
                for item in harness.DIST.iterdir():
                    shutil.copy2(item, folder / item.name)
                tone = make_tone(s.temp_dir / "sounds" / "tone.wav", 1.5, 440)
                write_settings(folder, 0, 0, s.wine_path(tone))
                subprocess.run(["mount", "-o", "remount,ro", str(folder)], check=True, timeout=30)
                mount(user, "-o", "ro")
                self.check_refused_then_kept(s, folder, user)
            finally:
                unmount(user)
                unmount(folder)

    def check_refused_then_kept(self, s, folder, user):
        d = Dialog(s, s.start(folder / SAVER_FILE, "/c"))
        d.click_centre(LABEL[2], True)
        # Neither file can be written: the user is told where, the choice stays on screen.
        d.click_centre(SAVE)
        box = s.wait_visible(MESSAGE_TITLE, timeout=30)
        message = " ".join(child.title for child in s.children(box.hwnd))
        self.assertIn(SAVE_FAILED, message)
        self.assertIn(s.wine_path(folder / SETTINGS_FILE), message)
        self.assertIn(f"\\AppData\\Roaming\\{harness.PER_USER_FOLDER}\\{SETTINGS_FILE}", message)
        # OK, clicked as a user would (its one button sits centred at the bottom).
        s.xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height - 20), "click", "1")
        self.assertTrue(wait_until(lambda: s.find_window(MESSAGE_TITLE) is None, 10))
        self.assertEqual(d.filled_boxes(d.shot_showing("refused", [2])), [2])

        # With the user's folder writable, the save goes there.
        unmount(user)
        d.click_centre(SAVE)
        self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)
        self.assertIn(KEY_KIND + b"=2\r\n", (user / SETTINGS_FILE).read_bytes())

        d = Dialog(s, s.start(folder / SAVER_FILE, "/c"))
        self.assertEqual(d.filled_boxes(d.shot_showing("kept", [2])), [2])
        d.click_centre(CANCEL)
        self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)
        run = MusicRun(self, s, folder, seconds=4)
        self.assertGreater(run.during.tone_seconds(), 2.0)


if __name__ == "__main__":
    unittest.main()
