// Command-line tests of the biometry commands.
