#!/usr/bin/env python3
"""A test web server on 127.0.0.1: serves the files below --root by GET and
prints "port N" once it listens on a free port. It ends when its standard
input closes (the test ended) or after --lifetime seconds."""
import argparse
import functools
import http.server

from server_lifetime import end_with_parent


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, format, *args):
        pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--lifetime", type=float, default=300)
    args = parser.parse_args()
    handler = functools.partial(QuietHandler, directory=args.root)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    end_with_parent(args.lifetime)
    print("port", server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
