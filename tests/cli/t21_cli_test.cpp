// Command-line tests of the t21 commands.
