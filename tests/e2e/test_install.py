"""The setup and its uninstaller, end to end in a Wine prefix made afresh for
them: the package that scripts/package leaves in build/package is installed
silently, run, configured, installed again over itself and uninstalled."""

import os
import shutil
import subprocess
import time
import unittest
from pathlib import Path
from unittest import mock

import harness
from harness import ROOT, WineSession, wait_until
from test_settings_dialog import SAVE, Dialog

PACKAGE = ROOT / "build" / "package"
FRESH_PREFIX = Path(os.environ.get("VELMORA_TEST_BIN", ROOT / "build/windows")) / "install-wineprefix"
DESKTOP = r"HKCU\Control Panel\Desktop"
ENTRY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
PREVIOUS_SAVER = r"C:\windows\system32\previous.scr"


def reg_query(s, key, name):
    """A registry value as text (a DWORD as its number), or None when there is none."""
    result = subprocess.run(["wine", "reg", "query", key, "/v", name], env=s.env,
                            capture_output=True, timeout=120)
    for line in result.stdout.decode("utf-8", errors="replace").splitlines():
        fields = line.strip().split("    ")
        if result.returncode == 0 and fields[0] == name:
            value = fields[2] if len(fields) > 2 else ""
            return str(int(value, 16)) if fields[1] == "REG_DWORD" else value
    return None


class InstallTest(unittest.TestCase):
    def setUp(self):
        setups = list(PACKAGE.glob("Velmora-*-setup.exe"))
        self.assertEqual(len(setups), 1, "scripts/package makes the setup in build/package")
        self.setup_exe = setups[0]
        self.version = self.setup_exe.name[len("Velmora-"):-len("-setup.exe")]
        shutil.rmtree(FRESH_PREFIX, ignore_errors=True)

    def install(self, s):
        self.assertEqual(s.wait_exit(s.start(self.setup_exe, "/S"), timeout=120), 0)

    def assert_programs_are_the_built_ones(self, folder):
        for name in ("Velmora.scr", harness.RENDERER_FILE):
            self.assertEqual((folder / name).read_bytes(), harness.DIST.joinpath(name).read_bytes(), name)

    def test_setup_installs_runs_upgrades_and_uninstall_gives_back_the_previous_saver(self):
        with mock.patch.object(harness, "PREFIX", FRESH_PREFIX), WineSession(name="install") as s:
            subprocess.run(["wine", "reg", "add", DESKTOP, "/v", "SCRNSAVE.EXE", "/d", PREVIOUS_SAVER, "/f"],
                           env=s.env, check=True, capture_output=True, timeout=120)
            active_before = reg_query(s, DESKTOP, "ScreenSaveActive")
            self.install(s)

            [user] = [p for p in (FRESH_PREFIX / "drive_c/users").iterdir() if p.name != "Public"]
            folder = user / "AppData/Local/Programs/Velmora"
            self.assert_programs_are_the_built_ones(folder)
            location = reg_query(s, ENTRY, "InstallLocation")
            self.assertEqual(location, "C:\\users\\" + user.name + r"\AppData\Local\Programs\Velmora")
            scr = location + r"\Velmora.scr"
            uninstaller = location + r"\Uninstall.exe"
            self.assertEqual(reg_query(s, DESKTOP, "SCRNSAVE.EXE"), scr)
            self.assertEqual(reg_query(s, DESKTOP, "ScreenSaveActive"), "1")
            expected_entry = {"DisplayName": "Velmora", "DisplayVersion": self.version, "Publisher": "Velmora",
                              "DisplayIcon": scr + ",0", "UninstallString": f'"{uninstaller}"',
                              "QuietUninstallString": f'"{uninstaller}" /S'}
            for name, value in expected_entry.items():
                self.assertEqual(reg_query(s, ENTRY, name), value, name)
            size_kib = sum(p.stat().st_size for p in folder.iterdir()) // 1024
            self.assertAlmostEqual(int(reg_query(s, ENTRY, "EstimatedSize")), size_kib, delta=8)

            # The installed saver runs, and its settings dialog saves beside it.
            run = s.start(folder / "Velmora.scr", "/s")
            s.wait_visible(harness.RENDERER_TITLE, timeout=90)
            self.assertTrue(wait_until(lambda: harness.RENDERER_TITLE in s.probe("foreground"), 30))
            time.sleep(1.0)
            s.xdotool("key", "a")
            self.assertEqual(s.wait_exit(run, timeout=60), 0)
            dialog = s.start(folder / "Velmora.scr", "/c")
            Dialog(s, dialog).click_centre(SAVE)
            self.assertEqual(s.wait_exit(dialog, timeout=60), 0)
            settings = (folder / "Velmora.ini").read_bytes()
            self.assertIn(b"[Section]", settings)

            # Installing over an older copy replaces the programs and keeps the settings.
            (folder / harness.RENDERER_FILE).write_bytes(b"older")
            self.install(s)
            self.assert_programs_are_the_built_ones(folder)
            self.assertEqual((folder / "Velmora.ini").read_bytes(), settings)
            self.assertEqual(reg_query(s, DESKTOP, "SCRNSAVE.EXE"), scr)

            # The uninstaller runs from a copy of itself; the entry goes last.
            per_user_settings = user / "AppData/Roaming/Velmora/Velmora.ini"
            per_user_settings.parent.mkdir(parents=True)
            per_user_settings.write_bytes(settings)
            s.start(uninstaller, "/S")
            self.assertTrue(wait_until(lambda: reg_query(s, ENTRY, "DisplayName") is None, 60))
            self.assertFalse(folder.exists())
            self.assertFalse(per_user_settings.parent.exists())
            self.assertEqual(reg_query(s, DESKTOP, "SCRNSAVE.EXE"), PREVIOUS_SAVER)
            self.assertEqual(reg_query(s, DESKTOP, "ScreenSaveActive"), active_before)


if __name__ == "__main__":
    unittest.main()
