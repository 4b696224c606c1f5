"""End-to-end harness: the shipped programs under Wine on an Xvfb of our own.

A WineSession owns one X server, the Wine environment (a prefix of the test
file's own, so that the files can run side by side; a locale: Japanese for
code page 932 unless a test asks for the Western 1252, which the session
checks; optionally ALSA's file plugin as the sound card) and every process it
starts; leaving the `with` block ends them all. Windows are found by title
through the probe tool (a small Windows program built with the tests), input
goes in with xdotool, screenshots come back as Images checked pixel by pixel.
"""

from __future__ import annotations

import getpass
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
DIST = Path(os.environ.get("VELMORA_DIST", ROOT / "build/windows/dist")).resolve()
PROBE = Path(os.environ.get("VELMORA_PROBE", ROOT / "build/windows/tests/e2e/velmora_probe.exe")).resolve()
SHOTS = Path(os.environ.get("VELMORA_SHOTS", ROOT / "build/windows/e2e-shots")).resolve()
PREFIX = Path(os.environ.get("VELMORA_WINEPREFIX", ROOT / "build/windows/test-wineprefixes/e2e")).resolve()
LOCPATH = ROOT / "build" / "locales"  # the locales scripts/wine-env generates
# The locales the programs run in and the ANSI code page Wine gives each.
JAPANESE = "ja_JP.UTF-8"
WESTERN = "en_US.UTF-8"
CODE_PAGES = {JAPANESE: 932, WESTERN: 1252}

CONTRACT_NAMES = Path(os.environ.get("VELMORA_CONTRACT_NAMES",
                                    ROOT / "build/windows/generated/run_contract.txt")).resolve()


def _run_contract() -> dict[str, str]:
    """The names Velmora.scr and Velmora.dll agree on, as the build read them
    from contract/run_contract.h: {"RendererWindowTitle": "...", ...}."""
    lines = CONTRACT_NAMES.read_text(encoding="utf-8").splitlines()
    return dict(line.split("=", 1) for line in lines)


CONTRACT = _run_contract()
SAVER_FILE = CONTRACT["SaverFileName"]  # the screen saver program
RENDERER_FILE = CONTRACT["RendererFileName"]  # the renderer program beside it
RENDERER_TITLE = CONTRACT["RendererWindowTitle"]  # its window's title while it runs
RUN_WINDOW = CONTRACT["RunWindowCaption"]  # Velmora.scr's hidden window during a run
SETTINGS_DIALOG = CONTRACT["SettingsDialogCaption"]  # Velmora.scr's settings dialog
MISSING_DLL_CAPTION = CONTRACT["MissingDllMessageCaption"]  # the message of a DLL not loaded
SAVER_CREATION_TITLE = CONTRACT["ScreenSaverCreationTitle"]  # a saver's window being made
PREVIEW_CLASS = CONTRACT["PreviewWindowClass"]  # the preview, a child of its host
SAVER_CLASS = CONTRACT["ScreenSaverWindowClass"]  # every saver's full-screen window
PUSH_BUTTON_CLASS = CONTRACT["PushButtonClass"]  # the settings dialog's buttons
MUSIC_GROUP_CLASS = CONTRACT["MusicGroupWindowClass"]  # the settings dialog's music group
SAVER_MESSAGE_CAPTION = CONTRACT["SaverMessageCaption"]  # Velmora.scr's messages to the user
SETTINGS_FILE = CONTRACT["SettingsFileName"]  # beside the programs, or per user
PER_USER_FOLDER = CONTRACT["PerUserSettingsFolder"]  # the per-user one, in the roaming app data


AUDIO_RATE = 44100  # frames a second; each frame is two signed 32-bit samples
AUDIO_FRAME_BYTES = 8
SOUND_PACER = Path(__file__).resolve().parent / "tools" / "sound_pacer.py"


@dataclass
class WindowInfo:
    hwnd: int
    cls: str
    x: int
    y: int
    width: int
    height: int
    visible: bool
    topmost: bool
    pid: int
    title: str = ""
    style: int = 0
    exstyle: int = 0
    awareness: int = -1  # DPI awareness: 0 unaware, 1 system, 2 per monitor

    @staticmethod
    def parse(line: str) -> "WindowInfo":
        fields = dict(part.split("=", 1) for part in line.rstrip("\r\n").split("\t") if "=" in part)
        return WindowInfo(
            hwnd=int(fields["hwnd"]),
            cls=fields.get("class", ""),
            x=int(fields["x"]),
            y=int(fields["y"]),
            width=int(fields["w"]),
            height=int(fields["h"]),
            visible=fields.get("visible") == "1",
            topmost=fields.get("topmost") == "1",
            pid=int(fields.get("pid", "0")),
            title=fields.get("title", ""),
            style=int(fields.get("style", "0")),
            exstyle=int(fields.get("exstyle", "0")),
            awareness=int(fields.get("awareness", "-1")),
        )


class Image:
    """An RGB screenshot."""

    def __init__(self, path: Path):
        self.path = path
        data = subprocess.run(["convert", str(path), "-depth", "8", "ppm:-"],
                              check=True, capture_output=True).stdout
        # P6 header: magic, width, height and maxval, each followed by one white-space
        # byte; the pixels may themselves begin with bytes that look like white space.
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", data)
        if not header:
            raise ValueError(f"{path}: not a binary PPM")
        self.width, self.height = int(header[1]), int(header[2])
        self.pixels = data[header.end():header.end() + self.width * self.height * 3]
        if len(self.pixels) != self.width * self.height * 3:
            raise ValueError(f"{path}: {len(self.pixels)} bytes of pixels for {self.width} x {self.height}")

    def pixel(self, x: int, y: int) -> tuple[int, int, int]:
        i = (y * self.width + x) * 3
        return self.pixels[i], self.pixels[i + 1], self.pixels[i + 2]

    def _box(self, box):
        return box if box else (0, 0, self.width, self.height)

    def count(self, pred, box=None) -> int:
        """Pixels (r, g, b) inside box = (left, top, right, bottom) for which pred holds."""
        left, top, right, bottom = self._box(box)
        return sum(1 for y in range(top, bottom) for x in range(left, right) if pred(self.pixel(x, y)))

    def mean(self, box=None) -> tuple[float, float, float]:
        left, top, right, bottom = self._box(box)
        n = max(1, (right - left) * (bottom - top))
        sums = [0, 0, 0]
        for y in range(top, bottom):
            row = self.pixels[(y * self.width + left) * 3:(y * self.width + right) * 3]
            for c in range(3):
                sums[c] += sum(row[c::3])
        return sums[0] / n, sums[1] / n, sums[2] / n

    def diff_count(self, other: "Image", threshold: int = 32, box=None) -> int:
        """Pixels whose largest channel difference to `other` exceeds threshold."""
        left, top, right, bottom = self._box(box)
        changed = 0
        for y in range(top, bottom):
            a = self.pixels[(y * self.width + left) * 3:(y * self.width + right) * 3]
            b = other.pixels[(y * other.width + left) * 3:(y * other.width + right) * 3]
            for i in range(0, len(a), 3):
                if max(abs(a[i] - b[i]), abs(a[i + 1] - b[i + 1]), abs(a[i + 2] - b[i + 2])) > threshold:
                    changed += 1
        return changed


# The prefixes this process has made afresh: a prefix lasts from its first
# session in a run of the tests to their end, never into the next run.
_made_prefixes: set[Path] = set()


class WineSession:
    """One Xvfb, one Wine environment, and every process started in it."""

    def __init__(self, width: int = 1024, height: int = 768, audio: bool = False, name: str = "",
                 more_screens: tuple[tuple[int, int], ...] = (), locale: str = JAPANESE):
        self.width, self.height, self.audio, self.locale = width, height, audio, locale
        # Further Xvfb screens, joined to the first by Xinerama: Wine sees
        # one monitor per screen.
        self.more_screens = more_screens
        self.name = name or os.environ.get("VELMORA_TEST_NAME", "session")
        self._procs: list[subprocess.Popen] = []
        self._xvfb = None
        self.temp_dir = Path(tempfile.mkdtemp(prefix="velmora-e2e-"))
        self.audio_path = self.temp_dir / "sound.raw"
        self.env: dict[str, str] = {}
        self._shot_counter = 0

    # --- set-up and tear-down ------------------------------------------------
    def __enter__(self) -> "WineSession":
        try:
            self._start_xvfb()
            self.env = dict(os.environ)
            self.env.update({
                "DISPLAY": self.display,
                "WINEPREFIX": str(PREFIX),
                "WINEARCH": "win64",
                "WINEDEBUG": os.environ.get("WINEDEBUG", "-all"),
                "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
                "LOCPATH": str(LOCPATH),
                "LANG": self.locale,
                "LC_ALL": self.locale,
                "VELMORA_WINE_LOCALE": self.locale,
            })
            if self.audio:
                self._use_captured_sound_card()
            self._ensure_prefix()
            # Settings a test left in the user's own folder would reach every later test.
            shutil.rmtree(self.user_settings_folder(), ignore_errors=True)
            # A wineserver left from an earlier session would keep that session's display.
            self.restart_wine()
            code_page = self.probe("acp").strip()
            if code_page != str(CODE_PAGES[self.locale]):
                raise RuntimeError(f"Wine runs on code page {code_page or '?'} in {self.locale}")
            return self
        except BaseException:
            self.__exit__(None, None, None)
            raise

    def __exit__(self, *exc) -> None:
        for proc in self._procs:
            if proc.poll() is None:
                try:
                    os.killpg(proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
        if self.env:
            self._wineserver("-k")
        for proc in self._procs:
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
            for stream in (proc.stdin, proc.stdout, proc.stderr):
                if stream:
                    stream.close()
        if self._xvfb and self._xvfb.poll() is None:
            self._xvfb.terminate()
            try:
                self._xvfb.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
        shutil.rmtree(self.temp_dir, ignore_errors=True)

    def _start_xvfb(self) -> None:
        read_fd, write_fd = os.pipe()
        screens = ["-screen", "0", f"{self.width}x{self.height}x24"]
        for number, (width, height) in enumerate(self.more_screens, start=1):
            screens += ["-screen", str(number), f"{width}x{height}x24"]
        if self.more_screens:
            screens += ["-extension", "RANDR", "+xinerama"]
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), *screens, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"

    def _ensure_prefix(self) -> None:
        """The session's prefix, a copy of the prepared one made by the scripts'
        own recipe (the first to need it makes it, the others wait for it)."""
        if PREFIX not in _made_prefixes:
            shutil.rmtree(PREFIX, ignore_errors=True)
            _made_prefixes.add(PREFIX)
        subprocess.run(["bash", "-c", '. "$1" && velmora_ensure_prefix', "ensure-prefix",
                        str(ROOT / "scripts" / "wine-env")],
                       env={**self.env, "VELMORA_WINEPREFIX": str(PREFIX)}, check=True,
                       stdout=subprocess.DEVNULL, timeout=300)

    def _use_captured_sound_card(self) -> None:
        """ALSA's default card becomes a file: every stream is converted to signed
        32-bit stereo at 44.1 kHz and goes through a pipe to a small pacer that
        appends it to one file no faster than real time. (A bare file card would
        take each stream in its own format, start the file again with every
        stream and swallow sound as fast as it comes.)"""
        conf = self.temp_dir / "asound.conf"
        conf.write_text(
            "</usr/share/alsa/alsa.conf>\n"
            "pcm.!default {\n"
            "    type plug\n"
            "    slave {\n"
            "        pcm {\n"
            "            type file\n"
            "            slave.pcm \"null\"\n"
            f"            file \"|{sys.executable} '{SOUND_PACER}' '{self.audio_path}' "
            f"{AUDIO_RATE * AUDIO_FRAME_BYTES}\"\n"
            "            format \"raw\"\n"
            "        }\n"
            "        format S32_LE\n"
            f"        rate {AUDIO_RATE}\n"
            "        channels 2\n"
            "    }\n"
            "}\n")
        self.env["ALSA_CONFIG_PATH"] = str(conf)

    def restart_wine(self) -> None:
        """Ends every Wine process of the prefix and starts the services afresh, so
        settings read only at start-up (the screen's DPI, say) take effect."""
        self._wineserver("-k")
        self._start_wine_services()

    def set_dpi(self, dpi: int) -> None:
        """The screen's dots per inch for every program started from now on.
        Lasts in the prefix: use it in a prefix of the test's own."""
        # A prefix in its first use has once refused the change: its services
        # are started afresh and the change made again.
        for attempt in range(3):
            done = subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v",
                                   "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"],
                                  env=self.env, capture_output=True, timeout=120)
            self.restart_wine()
            if done.returncode == 0:
                return
        raise RuntimeError(f"LogPixels {dpi} not set: {done.stderr.decode(errors='replace')}")

    def _start_wine_services(self) -> None:
        """Starts the wine server, services and desktop from a run whose output goes
        nowhere. The first Wine program hands those long-lived services its
        standard output; were that a probe whose output is read to its end, the
        read would wait for them until its time-out. The server is kept alive
        until the session ends, so they are never started again by a later run."""
        self._wineserver("-p")
        subprocess.run(["wine", str(PROBE), "find", "-"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120)

    def _wineserver(self, flag: str) -> None:
        subprocess.run(["wineserver", flag], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)

    # --- programs ------------------------------------------------------------
    @staticmethod
    def user_settings_folder() -> Path:
        """Where the programs keep the settings when their own folder cannot be written."""
        return PREFIX / "drive_c/users" / getpass.getuser() / "AppData/Roaming" / PER_USER_FOLDER

    @staticmethod
    def dist_path(name: str) -> Path:
        return DIST / name

    def install_copy(self, folder_name: str = "Velmora") -> Path:
        """Copies the shipped programs into a folder of this session and returns it."""
        target = self.temp_dir / folder_name
        target.mkdir(parents=True, exist_ok=True)
        for item in DIST.iterdir():
            shutil.copy2(item, target / item.name)
        return target

    @staticmethod
    def wine_path(path) -> str:
        return "Z:" + str(Path(path).resolve()).replace("/", "\\")

    def start(self, exe, *args: str, cwd=None, stdin=subprocess.DEVNULL) -> subprocess.Popen:
        """Starts `wine exe args...`; its output is collected in a pipe."""
        proc = subprocess.Popen(["wine", str(exe), *map(str, args)], env=self.env,
                                cwd=str(cwd or self.temp_dir), stdin=stdin,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                start_new_session=True)
        self._procs.append(proc)
        return proc

    def wait_exit(self, proc: subprocess.Popen, timeout: float) -> int:
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"process did not end within {timeout} s") from None

    def probe(self, *args: str, check: bool = False, timeout: float = 60) -> str:
        """Runs a short probe command; returns its standard output ('' when it failed)."""
        result = subprocess.run(["wine", str(PROBE), *map(str, args)], env=self.env,
                                cwd=str(self.temp_dir), capture_output=True, timeout=timeout)
        if check and result.returncode != 0:
            raise AssertionError(f"probe {' '.join(args)} failed with {result.returncode}")
        return result.stdout.decode("cp932", errors="replace") if result.returncode == 0 else ""

    def start_probe(self, *args: str) -> subprocess.Popen:
        """Starts a long-running probe command with a pipe on its standard input."""
        proc = self.start(PROBE, *args, stdin=subprocess.PIPE)
        return proc

    def start_host(self, x: int, y: int, width: int, height: int,
                   awareness: str | None = None) -> tuple[subprocess.Popen, int]:
        """A probe's window for the preview to live in: its process and handle;
        made in the DPI awareness named (unaware, system, permonitor), else the
        probe's own. Started again when the probe ends before its window is made
        (a Wine start right after the server's restart may fail on a busy machine)."""
        codes = []
        for _ in range(3):
            host = self.start_probe("host", str(x), str(y), str(width), str(height),
                                    *([awareness] if awareness else []))
            line = host.stdout.readline().strip()
            if line:
                return host, int(line)
            codes.append(host.wait(timeout=30))
        raise AssertionError(f"the host window was not made (exit codes {codes})")

    def find_window(self, title: str) -> WindowInfo | None:
        out = self.probe("find", title)
        return WindowInfo.parse(out.splitlines()[0]) if out.strip() else None

    def wait_window(self, title: str, timeout: float = 30) -> WindowInfo:
        """Waits until a window has that title: it exists, perhaps not yet shown,
        sized or painted (wait for those with wait_visible, wait_frames or
        screenshots until they show it)."""
        out = self.probe("wait", title, str(int(timeout * 1000)), timeout=timeout + 30)
        if not out:
            raise AssertionError(f"no window titled {title!r} within {timeout} s")
        return WindowInfo.parse(out.splitlines()[1])

    def wait_visible(self, title: str, timeout: float = 30) -> WindowInfo:
        """Waits until a window with that title exists and is shown (a title is
        already there while the window is still being created)."""
        window = wait_until(lambda: (w := self.find_window(title)) and w.visible and w, timeout)
        if not window:
            raise AssertionError(f"no visible window titled {title!r} within {timeout} s")
        return window

    def wait_gone(self, title: str, timeout: float = 10) -> float:
        """Waits until no window has that title; returns the seconds waited."""
        out = self.probe("wait-gone", title, str(int(timeout * 1000)), timeout=timeout + 30)
        if not out:
            raise AssertionError(f"window titled {title!r} still there after {timeout} s")
        return int(out.split("=", 1)[1].split()[0]) / 1000.0

    def frames(self) -> int:
        """The frames the running renderer has drawn (0 with no renderer)."""
        out = self.probe("frames").strip()
        return int(out.split("=", 1)[1]) if out else 0

    def wait_frames(self, count: int, timeout: float = 60) -> None:
        """Waits until the running renderer has drawn count frames more than now."""
        target = self.frames() + count
        if not wait_until(lambda: self.frames() >= target, timeout):
            raise AssertionError(f"the renderer did not draw {count} frames within {timeout} s")

    def children(self, hwnd: int) -> list[WindowInfo]:
        out = self.probe("children", str(hwnd))
        return [WindowInfo.parse(line) for line in out.splitlines() if line.strip()]

    @staticmethod
    def processes(text: str) -> list[int]:
        """Wine processes of this session's prefix whose command line holds text."""
        prefix = f"WINEPREFIX={PREFIX}".encode()
        found = []
        for entry in Path("/proc").iterdir():
            try:
                if (entry.name.isdigit() and text.encode() in (entry / "cmdline").read_bytes()
                        and prefix in (entry / "environ").read_bytes().split(b"\0")):
                    found.append(int(entry.name))
            except OSError:  # gone meanwhile
                pass
        return found

    # --- input and pictures ---------------------------------------------------
    def xdotool(self, *args: str) -> None:
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=30,
                       stdout=subprocess.DEVNULL)

    def screenshot(self, name: str) -> Image:
        self._shot_counter += 1
        folder = SHOTS / self.name
        folder.mkdir(parents=True, exist_ok=True)
        path = folder / f"{self._shot_counter:02d}-{name}.png"
        subprocess.run(["import", "-display", self.display, "-window", "root", str(path)],
                       env=self.env, check=True, timeout=60)
        return Image(path)

    # --- sound ------------------------------------------------------------------
    def audio_mark(self) -> int:
        """How many bytes the sound device has received so far."""
        return self.audio_path.stat().st_size if self.audio_path.exists() else 0

    def audio_bytes(self, start: int = 0, end: int | None = None) -> bytes:
        if not self.audio_path.exists():
            return b""
        data = self.audio_path.read_bytes()[start:end]
        return data[: len(data) // AUDIO_FRAME_BYTES * AUDIO_FRAME_BYTES]


def wait_until(predicate, timeout: float, interval: float = 0.1):
    """Polls predicate until it returns a true value; returns that value or None on timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(interval)
