"""The setup program under Wine, each test in a Windows that nothing was
installed in before: what a silent install puts in place and registers, the
saver it makes the screen saver, and an uninstall that leaves the user's
Windows as it found it."""

import ntpath
import os
import zipfile

from harness.screenshots import Region
from harness.test_case import FULL_SCREEN_TITLE, POINTER_HOME
from harness.waiting import wait_until
from installer_case import (INSTALL_TIMEOUT_S, UNINSTALL_TIMEOUT_S, APPS_KEY, DESKTOP_KEY, OUR_KEY, SAVER_FILE, SCREEN_SAVER, SCREEN_SAVER_ACTIVE,
                            SETTINGS_FILE, SETTINGS_FOLDER, InstallerTestCase)

WINDOW_TIMEOUT_S = 60
PICTURE_TIMEOUT_S = 60
EXIT_TIMEOUT_S = 30
# The 800 x 600 picture, centred on the 1024 x 768 screen.
CENTRED_PICTURE = Region(112, 84, 800, 600)
# Each kind of Windows, and the build in the zip that is right for it.
SYSTEMS = (("win64", "64-bit"), ("win32", "32-bit"))
OTHER_SAVER = "C:\\windows\\system32\\ssother.scr"
USERS_LATER_CHOICE = "C:\\windows\\system32\\sslater.scr"
APPS_ENTRY_TEXTS = {"DisplayName": "Quib Advent Screen Saver", "Publisher": "Quib Software"}
BYTES_PER_KB = 1024
# The uninstaller's exit code when it stops without changing anything.
ABORTED = 2
# How Wine's process channel shows the setup program opening the
# screen-saver settings.
SETTINGS_OPENED = 'control.exe\\" desk.cpl,,@screensaver'
LANGUAGE_DIALOG = "Installer Language"
# The pages' title in each language, for a Windows set to that language.
TITLES = (
    ("English", "en_GB.UTF-8", "Quib Advent Screen Saver Setup"),
    ("German", "de_DE.UTF-8", "Installation von Quib Advent Screen Saver"),
)
# Where the setup's windows open; with no window manager, keys go to the
# window under the pointer.
SCREEN_CENTRE = (512, 384)
PAGE_STEP_S = 1.0
SETTINGS_TEXT = "[Quib Advent Screen Saver]\r\nStretch=1\r\n"


class SaverTestCase(InstallerTestCase):
    def start_installed_saver(self, prefix):
        """Starts the saver as the desktop does, from SCRNSAVE.EXE with /s;
        returns once its picture is on the screen."""
        self.input.move_pointer(*POINTER_HOME)
        saver = prefix.start(self._label("saver"), prefix.value(DESKTOP_KEY, SCREEN_SAVER), "/s")
        wait_until(lambda: self.input.visible_windows(FULL_SCREEN_TITLE), WINDOW_TIMEOUT_S, "the saver's window",
                   seen=lambda: f"none; log ends {saver.log_tail()!r}")
        shots = []

        def whole_picture():
            shots[:] = [self.screenshot("picture")]
            return not shots[0].has_black_row(CENTRED_PICTURE)

        # The last capture stays only when the picture never came.
        wait_until(whole_picture, PICTURE_TIMEOUT_S, f"whole picture in {CENTRED_PICTURE}")
        shots[0].discard()
        return saver


class SilentInstallTest(SaverTestCase):
    def test_puts_the_right_build_in_place_makes_it_the_screen_saver_and_registers_it(self):
        for kind, build in SYSTEMS:
            with self.subTest(kind), self.fresh_prefix(kind) as prefix:
                setup = self.install_silently(prefix)
                self.assertNotIn(SETTINGS_OPENED, setup.log(), "a silent install opened the settings")
                installed = self.installed_file(prefix, SAVER_FILE)
                with open(installed, "rb") as file, zipfile.ZipFile(self.release.windows_zip) as archive:
                    right = archive.read(f"quibac-{self.release.version}-windows/{build}/{SAVER_FILE}")
                    self.assertTrue(file.read() == right, f"{installed} is not the {build} build")

                desktop = prefix.values(DESKTOP_KEY)
                saver = desktop[SCREEN_SAVER][1]
                self.assertNotIn(" ", saver, "the desktop would cut the saver's path at the space")
                self.assertEqual(os.path.realpath(prefix.unix_path(saver)), os.path.realpath(installed))
                self.assertEqual(desktop[SCREEN_SAVER_ACTIVE], ("REG_SZ", "1"))

                self.assert_apps_entry(prefix, installed)

    def assert_apps_entry(self, prefix, installed):
        entry = prefix.values(APPS_KEY)
        self.assertIsNotNone(entry, "no entry in Settings > Apps")
        texts = {name: entry.get(name, (None, None))[1] for name in APPS_ENTRY_TEXTS}
        self.assertEqual(texts, APPS_ENTRY_TEXTS)
        self.assertEqual(entry["DisplayVersion"][1], self.release.version)
        icon, _, index = entry["DisplayIcon"][1].rpartition(",")
        self.assertEqual((os.path.realpath(prefix.unix_path(icon)), index), (os.path.realpath(installed), "0"))
        size_kb = int(entry["EstimatedSize"][1], 16)
        self.assertGreaterEqual(size_kb, os.path.getsize(installed) // BYTES_PER_KB)
        uninstaller = entry["UninstallString"][1]
        self.assertTrue(os.path.isfile(prefix.unix_path(uninstaller.strip('"'))), uninstaller)
        self.assertEqual(entry["QuietUninstallString"][1], f"{uninstaller} /S")
        # Wine's own list of programs, as its Add/Remove Programs shows it.
        listed = prefix.run("uninstaller", 120, "uninstaller", "--list")[1]
        self.assertIn(APPS_ENTRY_TEXTS["DisplayName"], listed)

    def test_installed_saver_started_as_the_desktop_starts_it_shows_and_closes_on_a_key(self):
        with self.fresh_prefix() as prefix:
            self.install_silently(prefix)
            saver = self.start_installed_saver(prefix)
            self.input.key("space")
            self.assertEqual(saver.wait_exit(EXIT_TIMEOUT_S), 0, saver.log_tail())


class InstallAgainTest(SaverTestCase):
    def test_while_the_saver_runs_changes_nothing(self):
        with self.fresh_prefix() as prefix:
            self.install_silently(prefix)
            installed = self.installed_file(prefix, SAVER_FILE)
            before = (prefix.values(DESKTOP_KEY), prefix.values(APPS_KEY), os.stat(installed).st_mtime_ns)
            saver = self.start_installed_saver(prefix)
            setup = self.install(prefix, "/S")
            self.assertEqual(setup.wait_exit(INSTALL_TIMEOUT_S), ABORTED, setup.log_tail())
            self.assertEqual((prefix.values(DESKTOP_KEY), prefix.values(APPS_KEY), os.stat(installed).st_mtime_ns),
                             before)
            self.input.key("space")
            self.assertEqual(saver.wait_exit(EXIT_TIMEOUT_S), 0, saver.log_tail())


class PagesTest(InstallerTestCase):
    def test_come_in_the_systems_language_and_open_the_settings_at_the_end(self):
        for language, locale, title in TITLES:
            with self.subTest(language), self.fresh_prefix() as prefix:
                self.input.move_pointer(*SCREEN_CENTRE)
                setup = self.install(prefix, environment={"LANG": locale, "LC_ALL": locale})
                self.wait_for_window(LANGUAGE_DIALOG, setup)
                self.screenshot(f"{language}-language").keep()
                self.input.key("Return")
                self.wait_for_window(title, setup)
                self.screenshot(f"{language}-welcome").keep()
                # Enter takes each page's default: install, then finish.
                wait_until(lambda: self.enter_while_running(setup), INSTALL_TIMEOUT_S, "end of the setup program",
                           interval=PAGE_STEP_S)
                self.assertEqual(setup.wait_exit(INSTALL_TIMEOUT_S), 0, setup.log_tail())
                self.assertTrue(os.path.isfile(self.installed_file(prefix, SAVER_FILE)))
                self.assertIn(SETTINGS_OPENED, setup.log(), "the settings were not opened")

    def wait_for_window(self, title, process):
        wait_until(lambda: self.input.visible_windows(title), WINDOW_TIMEOUT_S, f"window {title!r}",
                   seen=lambda: f"none; log ends {process.log_tail()!r}")

    def enter_while_running(self, process):
        if not process.running():
            return True
        self.input.key("Return")
        return False


class UninstallTest(SaverTestCase):
    # name, the desktop's values before, installs, a saver the user picks
    # after installing (or None), the desktop's values expected at the end
    CASES = (
        ("no screen saver before", {}, 1, None, {}),
        ("another screen saver before", {SCREEN_SAVER: OTHER_SAVER, SCREEN_SAVER_ACTIVE: "0"}, 1, None,
         {SCREEN_SAVER: OTHER_SAVER, SCREEN_SAVER_ACTIVE: "0"}),
        ("installed twice over another", {SCREEN_SAVER: OTHER_SAVER, SCREEN_SAVER_ACTIVE: "1"}, 2, None,
         {SCREEN_SAVER: OTHER_SAVER, SCREEN_SAVER_ACTIVE: "1"}),
        ("the user chose another since", {SCREEN_SAVER: OTHER_SAVER, SCREEN_SAVER_ACTIVE: "0"}, 1,
         USERS_LATER_CHOICE, {SCREEN_SAVER: USERS_LATER_CHOICE, SCREEN_SAVER_ACTIVE: "1"}),
    )

    def test_leaves_no_file_or_key_and_the_screen_saver_as_it_was(self):
        for name, before, installs, later_choice, expected in self.CASES:
            with self.subTest(name), self.fresh_prefix() as prefix:
                for value_name, data in before.items():
                    prefix.set_value(DESKTOP_KEY, value_name, data)
                for _ in range(installs):
                    self.install_silently(prefix)
                if later_choice:
                    prefix.set_value(DESKTOP_KEY, SCREEN_SAVER, later_choice)
                # The saver's own copy of its setting, as a standard user's saver keeps it.
                settings = prefix.user_folder(*SETTINGS_FOLDER)
                os.makedirs(settings)
                self.write(os.path.join(settings, SETTINGS_FILE), SETTINGS_TEXT)

                self.uninstall_silently(prefix)
                folder = self.installed_file(prefix)
                self.assertFalse(os.path.exists(folder), os.path.exists(folder) and f"left: {os.listdir(folder)}")
                self.assertFalse(os.path.exists(settings), "the saver's setting is left behind")
                self.assertIsNone(prefix.values(OUR_KEY), "our key is left behind")
                desktop = prefix.values(DESKTOP_KEY)
                after = {value_name: desktop[value_name][1] for value_name in (SCREEN_SAVER, SCREEN_SAVER_ACTIVE)
                         if value_name in desktop}
                self.assertEqual(after, expected)

    def test_removes_the_setting_from_its_own_folder_and_nothing_else(self):
        with self.fresh_prefix() as prefix:
            self.assert_only_its_own_setting_goes(prefix)

    def assert_only_its_own_setting_goes(self, prefix):
        self.install_silently(prefix)
        ours = prefix.user_folder(*SETTINGS_FOLDER)
        kept = {
            "the user's own file beside the setting": os.path.join(ours, "notes.txt"),
            "the Windows folder's setting": os.path.join(prefix.drive_c, "windows", SETTINGS_FILE),
            "another program's file of the same name": prefix.user_folder("AppData", "Roaming", "Other Saver",
                                                                           SETTINGS_FILE),
        }
        for path in [os.path.join(ours, SETTINGS_FILE), *kept.values()]:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            self.write(path, SETTINGS_TEXT)

        self.uninstall_silently(prefix)
        self.assertFalse(os.path.exists(os.path.join(ours, SETTINGS_FILE)), "the saver's setting is left behind")
        for what, path in kept.items():
            with self.subTest(what):
                with open(path, newline="") as file:
                    self.assertEqual(file.read(), SETTINGS_TEXT)

    def test_while_the_saver_runs_changes_nothing_until_it_has_closed(self):
        with self.fresh_prefix() as prefix:
            self.install_silently(prefix)
            before = (prefix.values(DESKTOP_KEY), prefix.values(APPS_KEY), prefix.values(OUR_KEY))
            saver = self.start_installed_saver(prefix)
            # Run in place (_?=), so that its exit code is the uninstall's own;
            # the folder by its short name, as _?= takes the rest of the
            # command line unquoted.
            location = ntpath.dirname(prefix.value(DESKTOP_KEY, SCREEN_SAVER))
            uninstaller = prefix.start(self._label("uninstall-in-place"), f"{location}\\Uninstall.exe", "/S",
                                       f"_?={location}")
            self.assertEqual(uninstaller.wait_exit(UNINSTALL_TIMEOUT_S), ABORTED, uninstaller.log_tail())
            self.assertEqual((prefix.values(DESKTOP_KEY), prefix.values(APPS_KEY), prefix.values(OUR_KEY)), before)
            self.assertTrue(os.path.isfile(self.installed_file(prefix, SAVER_FILE)))

            self.input.key("space")
            self.assertEqual(saver.wait_exit(EXIT_TIMEOUT_S), 0, saver.log_tail())
            self.uninstall_silently(prefix)
            self.assertFalse(os.path.exists(self.installed_file(prefix, SAVER_FILE)))

    @staticmethod
    def write(path, text):
        with open(path, "w", newline="") as file:
            file.write(text)
