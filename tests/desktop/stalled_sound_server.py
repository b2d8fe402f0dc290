#!/usr/bin/env python3
"""A sound server that has stalled: it accepts every connection on a Unix
socket and never answers, keeping the connections open until it is killed.
    stalled_sound_server.py SOCKET_PATH"""
import os
import socket
import sys

path = sys.argv[1]
if os.path.exists(path):
    os.unlink(path)
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(path)
server.listen(16)
held = []
while True:
    connection, _ = server.accept()
    held.append(connection)  # read nothing, answer nothing, never close
