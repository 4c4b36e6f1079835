"""Packaging a publisher's application into a built installer (see scripts/package.py)."""
