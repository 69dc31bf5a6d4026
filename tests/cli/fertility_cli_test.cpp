// Command-line tests of the fertility commands.
