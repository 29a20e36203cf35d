// The table window lands here.
