// Miejsce na warstwe sieci.
