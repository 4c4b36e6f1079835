"""The one kind of failure the packager reports: a message for the publisher."""


class PackageError(Exception):
    """What is wrong with the package, naming the field or file."""
