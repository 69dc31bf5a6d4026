// Command-line tests of the menopause commands.
