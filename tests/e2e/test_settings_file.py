"""The settings file on real machines, end to end under Wine (code page 932).

A save while another program holds the file open is tried again, then
reported with the dialog left open and the choice kept; a per-user file held
with no sharing at start is waited for, then named before the dialog opens,
and no save writes over it; a UTF-16 file is read
and stays UTF-16; a music path of 300 bytes is saved and read back whole and
plays; a file with a 200 kB damaged line still opens the dialog at once.
"""

import subprocess
import time
import unittest

from harness import PER_USER_FOLDER, PROBE, SAVER_FILE, SETTINGS_FILE, WineSession, wait_until
from settings_file import KEY_FILE, KEY_KIND, KEY_TRACK, write_settings
from test_code_pages import SAVE_FAILED
from test_music import MusicRun, make_tone
from test_saver import MESSAGE_TITLE
from test_settings_dialog import CANCEL, LABEL, SAVE, Dialog


LOAD_FAILED = "設定ファイルを読み込めませんでした"


def utf16_settings(kind: int, track: int) -> bytes:
    text = f"[Section]\r\nBGM区分={kind}\r\nBGMﾘﾋﾟｰﾄ={track}\r\nBGMﾌｧｲﾙ=\r\n"
    return b"\xff\xfe" + text.encode("utf-16-le")


class SettingsFileTest(unittest.TestCase):
    def message_text(self, s) -> str:
        box = s.wait_visible(MESSAGE_TITLE, timeout=30)
        text = " ".join(child.title for child in s.children(box.hwnd))
        # OK, clicked as a user would (its one button sits centred at the bottom).
        s.xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height - 20),
                  "click", "1")
        self.assertTrue(wait_until(lambda: s.find_window(MESSAGE_TITLE) is None, 10))
        return text

    def test_a_held_file_is_reported_and_the_choice_kept_until_saved(self):
        with WineSession(name="held-settings") as s:
            folder = s.install_copy()
            write_settings(folder, 0)
            holder = s.start(PROBE, "hold-shared", s.wine_path(folder / SETTINGS_FILE),
                             stdin=subprocess.PIPE)
            self.assertEqual(holder.stdout.readline().strip(), b"held")
            d = Dialog(s, s.start(folder / SAVER_FILE, "/c"))
            d.click_centre(LABEL[1], True)
            started = time.monotonic()
            d.click_centre(SAVE)
            text = self.message_text(s)
            self.assertGreater(time.monotonic() - started, 1.5)  # tried again before telling
            self.assertIn(SAVE_FAILED, text)
            self.assertIn(s.wine_path(folder / SETTINGS_FILE), text)
            self.assertEqual(d.filled_boxes(d.shot_showing("held", [1])), [1])
            self.assertFalse((s.user_settings_folder() / SETTINGS_FILE).exists())

            holder.stdin.close()
            self.assertEqual(s.wait_exit(holder, timeout=30), 0)
            d.click_centre(SAVE)
            self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)
            self.assertIn(KEY_KIND + b"=1\r\n", (folder / SETTINGS_FILE).read_bytes())

    def test_a_file_held_at_start_is_named_and_not_written_over(self):
        with WineSession(name="held-at-start") as s:
            folder = s.install_copy()
            write_settings(folder, 0)
            user = s.user_settings_folder()
            user.mkdir(parents=True, exist_ok=True)
            newer = write_settings(user, 1, 7)
            holder = s.start(PROBE, "hold", s.wine_path(user / SETTINGS_FILE),
                             stdin=subprocess.PIPE)
            self.assertEqual(holder.stdout.readline().strip(), b"held")
            proc = s.start(folder / SAVER_FILE, "/c")
            text = self.message_text(s)
            self.assertIn(LOAD_FAILED, text)
            self.assertIn(f"\\AppData\\Roaming\\{PER_USER_FOLDER}\\{SETTINGS_FILE}", text)
            d = Dialog(s, proc)
            self.assertEqual(d.filled_boxes(d.shot("held-at-start")), [0])
            d.click_centre(SAVE)
            self.assertIn(SAVE_FAILED, self.message_text(s))
            holder.stdin.close()
            self.assertEqual(s.wait_exit(holder, timeout=30), 0)
            self.assertEqual((user / SETTINGS_FILE).read_bytes(), newer)
            d.shot("held-at-start-refused")
            d.click_centre(CANCEL)
            self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)

    def test_a_utf16_file_is_read_and_stays_utf16(self):
        with WineSession(name="utf16-settings") as s:
            folder = s.install_copy()
            (folder / SETTINGS_FILE).write_bytes(utf16_settings(1, 5))
            d = Dialog(s, s.start(folder / SAVER_FILE, "/c"))
            self.assertEqual(d.filled_boxes(d.shot_showing("utf16", [1])), [1])
            d.click_centre(LABEL[0], True)
            d.click_centre(SAVE)
            self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)
            self.assertEqual((folder / SETTINGS_FILE).read_bytes(), utf16_settings(0, 5))

    def test_a_300_byte_music_path_is_kept_whole_and_plays(self):
        with WineSession(name="long-music-path", audio=True) as s:
            folder = s.install_copy()
            deep = s.temp_dir.joinpath(*["音楽の森" * 12] * 3)
            tone = make_tone(deep / "tone.wav", 1.5, 440)
            path = s.wine_path(tone).encode("cp932")
            self.assertGreater(len(path), 300)
            write_settings(folder, 2, 0, path)
            # Loaded whole, and saved whole again.
            d = Dialog(s, s.start(folder / SAVER_FILE, "/c"))
            d.click_centre(SAVE)
            self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)
            self.assertIn(KEY_FILE + b"=" + path + b"\r\n", (folder / SETTINGS_FILE).read_bytes())
            run = MusicRun(self, s, folder, seconds=4)
            self.assertGreater(run.during.tone_seconds(), 2.0)

    def test_a_200_kb_damaged_line_still_opens_the_dialog(self):
        with WineSession(name="damaged-settings") as s:
            folder = s.install_copy()
            content = (b"[" * 200_000 + b"\r\n[Section]\r\n" + KEY_KIND + b"=2\r\n" + KEY_TRACK +
                       b"=0\r\n")
            (folder / SETTINGS_FILE).write_bytes(content)
            d = Dialog(s, s.start(folder / SAVER_FILE, "/c"))
            # Kind 2 without a file falls back to no music.
            self.assertEqual(d.filled_boxes(d.shot_showing("damaged", [0])), [0])
            d.click_centre(CANCEL)
            self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
