"""The builds a release is made from: each preset configured afresh in a
folder of the release's own, for release (QUIBAC_REPRODUCIBLE), and built
with its output kept in a log."""

import json
import os
import shutil
import subprocess

RELEASE_OPTIONS = ("-DQUIBAC_REPRODUCIBLE=ON", "-DQUIBAC_TESTS=OFF", "-DQUIBAC_BENCH=OFF", "-DQUIBAC_TOOLS=OFF")
LOG_TAIL_LINES = 40


class StepFailed(Exception):
    pass


class Builder:
    def __init__(self, root, work, environment, say):
        self.root = root
        self.work = work
        self.environment = environment
        self.say = say
        self.logs = os.path.join(work, "logs")
        os.makedirs(self.logs, exist_ok=True)

    def run(self, label, command, cwd=None, extra_environment=None):
        """Runs a command with its output in the label's log; fails with the
        log's last lines."""
        log_path = os.path.join(self.logs, f"{label}.log")
        with open(log_path, "ab") as log:
            log.write(f"$ {' '.join(command)}\n".encode())
            log.flush()
            done = subprocess.run(command, cwd=cwd or self.root, env={**self.environment, **(extra_environment or {})},
                                  stdin=subprocess.DEVNULL,
                                  stdout=log, stderr=subprocess.STDOUT)
        if done.returncode != 0:
            with open(log_path, errors="replace") as log:
                tail = "".join(log.readlines()[-LOG_TAIL_LINES:])
            raise StepFailed(f"{label}: {command[0]} ended with {done.returncode} (log: {log_path})\n{tail}")

    def presets(self):
        listed = subprocess.run(["cmake", "--list-presets"], cwd=self.root, env=self.environment,
                                capture_output=True, text=True, check=True)
        return {line.split('"')[1] for line in listed.stdout.splitlines() if line.count('"') >= 2}

    def build(self, preset, targets=()):
        """Configures and builds a preset from scratch; returns its folder."""
        folder = os.path.join(self.work, preset)
        shutil.rmtree(folder, ignore_errors=True)
        self.say(f"building {preset}")
        self.run(preset, ["cmake", "--preset", preset, "-B", folder, *RELEASE_OPTIONS])
        jobs = str(os.cpu_count() or 1)
        # The build runs outside the preset, so it takes the preset's own
        # environment (the web preset's NODE_PATH) from the presets file.
        self.run(preset, ["cmake", "--build", folder, "-j", jobs, *(["--target", *targets] if targets else [])],
                 extra_environment=preset_environment(self.root, preset))
        return folder

    def version(self, folder):
        """The project's version, as the build wrote it down."""
        with open(os.path.join(folder, "quibac-version.txt")) as file:
            return file.read().strip()


def preset_environment(root, name):
    """The environment a configure preset sets, with what it inherits (its
    own values win over those it inherits)."""
    with open(os.path.join(root, "CMakePresets.json")) as file:
        presets = {preset["name"]: preset for preset in json.load(file)["configurePresets"]}
    environment = {}
    preset = presets.get(name)
    if preset is None:
        return environment
    inherited = preset.get("inherits", [])
    for parent in [inherited] if isinstance(inherited, str) else inherited:
        environment.update(preset_environment(root, parent))
    environment.update(preset.get("environment", {}))
    return environment
