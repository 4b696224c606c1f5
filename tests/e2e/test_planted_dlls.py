"""A folder anyone can write to, such as Downloads: DLLs planted beside the
programs are never loaded, whatever the programs are asked to do, and a DLL
the system folder cannot give is a message, not a crash."""

import os
import shutil
import unittest
import wave
from pathlib import Path

import harness
from harness import ROOT, SAVER_FILE, WineSession, wait_until
from settings_file import write_settings
from test_settings_dialog import CANCEL, Dialog

PLANTED = Path(os.environ.get("VELMORA_PLANTED_DLLS", ROOT / "build/windows/tests/e2e/planted_dlls"))
NAMES = ("opengl32", "glu32", "winmm", "msimg32", "version", "uxtheme", "comctl32", "dwmapi")
# Windows looks beside the program first for every DLL outside its KnownDLLs;
# Wine does so only for the few it prefers native, so here it is told to for
# the others too. Not for version.dll: Wine's own user32 imports it as every
# process starts, before any of the program's code runs (Windows' does not).
SEARCHED_BESIDE = [name for name in NAMES if name != "version"]


class PlantedDllTest(unittest.TestCase):
    def test_no_planted_dll_is_loaded_by_a_run_the_settings_or_a_preview(self):
        with WineSession(name="planted-dlls") as s:
            s.env["WINEDLLOVERRIDES"] += ";" + ",".join(SEARCHED_BESIDE) + "=n,b"
            folder = s.install_copy()
            for name in NAMES:
                shutil.copy2(PLANTED / f"{name}.dll", folder)
            self.assertEqual(len(list(folder.glob("*.dll"))), len(NAMES) + 1)
            # Music from a WAV file: the run also makes the sound calls.
            with wave.open(str(folder / "tone.wav"), "wb") as sound:
                sound.setnchannels(1)
                sound.setsampwidth(2)
                sound.setframerate(8000)
                sound.writeframes(b"\0\0" * 8000)
            write_settings(folder, 2, 0, s.wine_path(folder / "tone.wav"))

            run = s.start(folder / SAVER_FILE, "/s")
            s.wait_visible(harness.RENDERER_TITLE, timeout=90)
            s.wait_frames(30)  # drawing, the music started with the run
            # Keys reach the renderer once it has the focus.
            self.assertTrue(wait_until(lambda: harness.RENDERER_TITLE in s.probe("foreground"), 30))
            s.xdotool("key", "a")
            self.assertEqual(s.wait_exit(run, timeout=60), 0)

            dialog = s.start(folder / SAVER_FILE, "/c")
            Dialog(s, dialog).click_centre(CANCEL)
            self.assertEqual(s.wait_exit(dialog, timeout=60), 0)

            host, hwnd = s.start_host(100, 100, 152, 112)
            preview = s.start(folder / SAVER_FILE, "/p", str(hwnd))
            self.assertTrue(wait_until(lambda: s.children(hwnd), 60))
            host.stdin.close()
            self.assertEqual(s.wait_exit(preview, timeout=30), 0)

            self.assertEqual(sorted(p.name for p in folder.glob("*.loaded")), [])
            # The stand-ins do leave their mark when a program loads them by name.
            shutil.copy2(harness.PROBE, folder)
            for name in SEARCHED_BESIDE:
                self.assertEqual(s.wait_exit(s.start(folder / "velmora_probe.exe", "load", f"{name}.dll"),
                                             timeout=60), 0, name)
            self.assertEqual(sorted(p.name.lower() for p in folder.glob("*.loaded")),
                             sorted(f"{name}.dll.loaded" for name in SEARCHED_BESIDE))

    def test_a_dll_the_system_folder_cannot_give_is_named_in_a_message(self):
        with WineSession(name="missing-dll") as s:
            s.env["WINEDLLOVERRIDES"] += ";opengl32=d"
            renderer = s.start(s.dist_path(harness.RENDERER_FILE))
            message = s.wait_visible(harness.MISSING_DLL_CAPTION, timeout=60)
            texts = " ".join(child.title for child in s.children(message.hwnd))
            self.assertIn("opengl32.dll could not be loaded from the Windows system folder", texts)
            s.xdotool("key", "Return")
            self.assertEqual(s.wait_exit(renderer, timeout=30), 1)
            self.assertIsNone(s.find_window(harness.RENDERER_TITLE))


if __name__ == "__main__":
    unittest.main()
