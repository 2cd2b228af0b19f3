"""The pieces of tools/release: building the release files the same way
wherever the sources are, and checking that they are the same bytes."""
