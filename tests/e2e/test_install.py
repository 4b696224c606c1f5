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
from harness import PER_USER_FOLDER, RENDERER_FILE, ROOT, SAVER_FILE, SETTINGS_FILE, WineSession, wait_until
from test_settings_dialog import DIALOG, SAVE, Dialog

PACKAGE = ROOT / "build" / "package"
FRESH_PREFIX = Path(os.environ.get("VELMORA_TEST_BIN", ROOT / "build/windows")) / "install-wineprefix"
DESKTOP = r"HKCU\Control Panel\Desktop"
ENTRY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
PREVIOUS_SAVER = r"C:\windows\system32\previous.scr"
PROGRAMS = (SAVER_FILE, RENDERER_FILE)
# The folder an uninstaller copies itself to and runs from.
UNINSTALLER_COPY = "~nsu"


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

    def install(self, s, *args):
        self.assertEqual(s.wait_exit(s.start(self.setup_exe, "/S", *args), timeout=120), 0)

    def installed_folder(self, s):
        [user] = [p for p in (FRESH_PREFIX / "drive_c/users").iterdir() if p.name != "Public"]
        return user / "AppData/Local/Programs/Velmora"

    def set_previous_saver(self, s):
        subprocess.run(["wine", "reg", "add", DESKTOP, "/v", "SCRNSAVE.EXE", "/d", PREVIOUS_SAVER, "/f"],
                       env=s.env, check=True, capture_output=True, timeout=120)

    def assert_programs_are_the_built_ones(self, folder):
        for name in PROGRAMS:
            self.assertEqual((folder / name).read_bytes(), harness.DIST.joinpath(name).read_bytes(), name)

    def test_setup_installs_runs_upgrades_and_uninstall_gives_back_the_previous_saver(self):
        with mock.patch.object(harness, "PREFIX", FRESH_PREFIX), WineSession(name="install") as s:
            self.set_previous_saver(s)
            active_before = reg_query(s, DESKTOP, "ScreenSaveActive")
            self.install(s)

            [user] = [p for p in (FRESH_PREFIX / "drive_c/users").iterdir() if p.name != "Public"]
            folder = user / "AppData/Local/Programs/Velmora"
            self.assert_programs_are_the_built_ones(folder)
            location = reg_query(s, ENTRY, "InstallLocation")
            self.assertEqual(location, "C:\\users\\" + user.name + r"\AppData\Local\Programs\Velmora")
            scr = location + "\\" + SAVER_FILE
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
            run = s.start(folder / SAVER_FILE, "/s")
            s.wait_visible(harness.RENDERER_TITLE, timeout=90)
            self.assertTrue(wait_until(lambda: harness.RENDERER_TITLE in s.probe("foreground"), 30))
            time.sleep(1.0)
            s.xdotool("key", "a")
            self.assertEqual(s.wait_exit(run, timeout=60), 0)
            dialog = s.start(folder / SAVER_FILE, "/c")
            Dialog(s, dialog).click_centre(SAVE)
            self.assertEqual(s.wait_exit(dialog, timeout=60), 0)
            settings = (folder / SETTINGS_FILE).read_bytes()
            self.assertIn(b"[Section]", settings)

            # Installing over an older copy replaces the programs and keeps the settings.
            (folder / RENDERER_FILE).write_bytes(b"older")
            self.install(s)
            self.assert_programs_are_the_built_ones(folder)
            self.assertEqual((folder / SETTINGS_FILE).read_bytes(), settings)
            self.assertEqual(reg_query(s, DESKTOP, "SCRNSAVE.EXE"), scr)

            # The uninstaller runs from a copy of itself; the entry goes last.
            per_user_settings = user / "AppData/Roaming" / PER_USER_FOLDER / SETTINGS_FILE
            per_user_settings.parent.mkdir(parents=True)
            per_user_settings.write_bytes(settings)
            s.start(uninstaller, "/S")
            self.assertTrue(wait_until(lambda: reg_query(s, ENTRY, "DisplayName") is None, 60))
            self.assertFalse(folder.exists())
            self.assertFalse(per_user_settings.parent.exists())
            self.assertEqual(reg_query(s, DESKTOP, "SCRNSAVE.EXE"), PREVIOUS_SAVER)
            self.assertEqual(reg_query(s, DESKTOP, "ScreenSaveActive"), active_before)

    def test_install_over_a_running_preview_replaces_both_programs_or_fails_whole(self):
        with mock.patch.object(harness, "PREFIX", FRESH_PREFIX), WineSession(name="install-in-use") as s:
            self.install(s)
            folder = self.installed_folder(s)
            # An older copy: the same programs with a few bytes more.
            for name in PROGRAMS:
                with open(folder / name, "ab") as program:
                    program.write(b"older")
            older = {name: (folder / name).read_bytes() for name in PROGRAMS}

            # Windows' screen saver page keeps the preview running, and a run
            # may be up too; the setup closes them all.
            host, hwnd = s.start_host(100, 100, 152, 112)
            preview = s.start(folder / SAVER_FILE, "/p", str(hwnd))
            self.assertTrue(wait_until(lambda: s.children(hwnd), 60))
            run = s.start(folder / SAVER_FILE, "/s")
            s.wait_visible(harness.RENDERER_TITLE, timeout=90)
            self.install(s)
            self.assertEqual(s.wait_exit(preview, timeout=30), 0)
            self.assertEqual(s.wait_exit(run, timeout=30), 0)
            self.assertIsNone(s.find_window(harness.RENDERER_TITLE))
            self.assert_programs_are_the_built_ones(folder)
            self.assertIsNone(host.poll(), "the host window stays")
            # The settings dialog is closed the same way.
            dialog = s.start(folder / SAVER_FILE, "/c")
            s.wait_visible(DIALOG, timeout=60)
            self.install(s)
            self.assertEqual(s.wait_exit(dialog, timeout=30), 0)

            # A program held by something the setup cannot close: it fails and changes nothing.
            for name, content in older.items():
                (folder / name).write_bytes(content)
            holder = s.start_probe("hold", s.wine_path(folder / RENDERER_FILE))
            self.assertEqual(holder.stdout.readline().strip(), b"held")
            self.assertEqual(s.wait_exit(s.start(self.setup_exe, "/S"), timeout=120), 2)
            for name, content in older.items():
                self.assertEqual((folder / name).read_bytes(), content, name)
            # Uninstalling then keeps the programs and the entry, for a second try.
            self.assertEqual(s.wait_exit(s.start(folder / "Uninstall.exe", "/S"), timeout=60), 0)
            self.assertTrue(wait_until(lambda: not s.processes(UNINSTALLER_COPY), 60),
                            "the uninstaller's copy ends")
            self.assertEqual(reg_query(s, ENTRY, "DisplayName"), "Velmora")
            self.assertTrue((folder / RENDERER_FILE).exists())
            self.assertTrue((folder / "Uninstall.exe").exists())
            holder.stdin.close()
            self.assertEqual(s.wait_exit(holder, timeout=30), 0)

            # Held by something that lets it be written but not moved (a virus
            # scanner, say): the setup has moved the new saver in by the time it
            # finds that, puts the old one back and fails.
            holder = s.start_probe("hold-shared", s.wine_path(folder / RENDERER_FILE))
            self.assertEqual(holder.stdout.readline().strip(), b"held")
            self.assertEqual(s.wait_exit(s.start(self.setup_exe, "/S"), timeout=120), 2)
            for name, content in older.items():
                self.assertEqual((folder / name).read_bytes(), content, name)
            self.assertEqual(sorted(p.name for p in folder.iterdir()),
                             sorted([*PROGRAMS, "Uninstall.exe"]), "no copies left behind")
            holder.stdin.close()
            self.assertEqual(s.wait_exit(holder, timeout=30), 0)

    def test_reinstalls_go_to_the_first_folder_and_keep_the_saver_from_before(self):
        with mock.patch.object(harness, "PREFIX", FRESH_PREFIX), WineSession(name="install-folder") as s:
            self.set_previous_saver(s)
            chosen = r"C:\Saver\Velmora"
            self.install(s, f"/D={chosen}")
            self.install(s)
            self.assertEqual(reg_query(s, ENTRY, "InstallLocation"), chosen)
            self.assert_programs_are_the_built_ones(FRESH_PREFIX / "drive_c/Saver/Velmora")
            self.assertFalse(self.installed_folder(s).exists())
            # Another copy of Velmora is never taken for the saver from before.
            self.install(s, r"/D=C:\Other\Velmora")
            self.assertEqual(reg_query(s, ENTRY, "PreviousScreenSaver"), PREVIOUS_SAVER)
            self.assertEqual(reg_query(s, DESKTOP, "SCRNSAVE.EXE"), "C:\\Other\\Velmora\\" + SAVER_FILE)


if __name__ == "__main__":
    unittest.main()
