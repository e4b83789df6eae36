// Miejsce na portfel, fraze i kwoty.
