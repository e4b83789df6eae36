talvarin_fuzz(fuzz_kwota fuzz_kwota.cpp talvarin_app)
talvarin_fuzz(fuzz_portfel fuzz_portfel.cpp talvarin_app)
talvarin_fuzz(fuzz_fraza fuzz_fraza.cpp talvarin_app)
