#!/usr/bin/env python3
"""A test FTP server on 127.0.0.1 (pyftpdlib): anonymous, read-only, over the
files below --root; --throttle limits downloads to that many bytes a second.
Prints "port N" once it listens on a free port, and ends when its standard
input closes (the test ended) or after --lifetime seconds."""
import argparse
import logging
import os

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.log import config_logging
from pyftpdlib.servers import FTPServer

from server_lifetime import end_with_parent


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--throttle", type=int, default=0)
    parser.add_argument("--lifetime", type=float, default=300)
    args = parser.parse_args()
    config_logging(level=logging.ERROR)

    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(os.path.abspath(args.root), perm="elr")

    class Handler(FTPHandler):
        pass

    Handler.authorizer = authorizer
    Handler.banner = "test server"
    if args.throttle > 0:
        class Throttled(ThrottledDTPHandler):
            pass

        Throttled.write_limit = args.throttle
        Handler.dtp_handler = Throttled

    server = FTPServer(("127.0.0.1", 0), Handler)
    end_with_parent(args.lifetime)
    print("port", server.socket.getsockname()[1], flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
