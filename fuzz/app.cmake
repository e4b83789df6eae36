talvarin_fuzz(fuzz_fraza fuzz_fraza.cpp talvarin_app)
