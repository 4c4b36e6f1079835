"""What the packaging tests share: the packager run as a publisher runs it, copies of the
sample's package folder to change, and a ready ZIP made by Info-ZIP's zip."""
import os
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PACKAGER = os.path.join(ROOT, "scripts", "package.py")

# Names beyond ASCII, as a Linux file system holds them (UTF-8).
NON_ASCII_FILES = {
    "Dokumente/Größe.txt": "Größe\n",
    "日本語.txt": "こんにちは\n",
    "Ünïcödé/ça va.txt": "ça va\n",
}


def build_folder():
    return os.environ["QP_TEST_BIN_HOST"]


def stub():
    return os.path.join(build_folder(), "installer", "QuillpadSetup.exe")


def sample_package():
    return os.path.join(build_folder(), "samples", "hello", "package")


def run_packager(package, output):
    """(exit code, error output) of one packaging."""
    result = subprocess.run([sys.executable, PACKAGER, "--stub", stub(), package, output],
                            capture_output=True, text=True)
    return result.returncode, result.stderr


def copy_sample(into):
    target = os.path.join(into, "package")
    shutil.copytree(sample_package(), target)
    return target


def zip_the_files(package, extra_files):
    """Replaces the package's files/ by files.zip, made by Info-ZIP's zip in a UTF-8
    locale, with these extra files (name -> text) beside the sample's own."""
    files = os.path.join(package, "files")
    for name, text in extra_files.items():
        path = os.path.join(files, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
    environment = dict(os.environ, LC_ALL="C.UTF-8")
    subprocess.run(["zip", "-q", "-r", os.path.join(package, "files.zip"), "."], cwd=files,
                   env=environment, check=True)
    shutil.rmtree(files)
