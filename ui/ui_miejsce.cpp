// Miejsce na okno glowne.
