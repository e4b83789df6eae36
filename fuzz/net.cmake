talvarin_fuzz(fuzz_ramki fuzz_ramki.cpp talvarin_net)
talvarin_fuzz(fuzz_wymiana fuzz_wymiana.cpp talvarin_net)
talvarin_fuzz(fuzz_wezly fuzz_wezly.cpp talvarin_net)
talvarin_fuzz(fuzz_ogloszenie fuzz_ogloszenie.cpp talvarin_net)
