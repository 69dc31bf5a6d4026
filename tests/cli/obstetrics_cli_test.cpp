// Command-line tests of the obstetrics commands.
